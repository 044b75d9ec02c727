#include "app/PauseMenu.h"

#include "app/FrameState.h"
#include "app/Quit.h"
#include "core/Constants.h"
#include "input/Controls.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const char* const resumeItem = "Resume";
const char* const titleItem = "Quit to title";
const char* const quitItem = "Quit";

// What to press, with the keys bound now.
std::string keysToPress() {
    KeyInput pause = controls.bindings[Action::pause].key;
    KeyInput quit = controls.bindings[Action::quit].key;
    std::string text = pause.bound() ? keyLabel(pause) + " or Escape: resume" : "Escape: resume";
    return quit.bound() ? text + "     " + keyLabel(quit) + ": quit" : text;
}
}  // namespace

void PauseMenu::open(bool titleAvailable) {
    if (page == Page::quitQuestion) return;
    menu.title = "Paused";
    menu.titleY = 580;
    menu.top = 500;
    menu.items = {{resumeItem}};
    if (titleAvailable) menu.items.push_back({titleItem});
    menu.items.push_back({quitItem});
    menu.select(0);
}

void PauseMenu::askToQuit(bool fromPlay) {
    page = Page::quitQuestion;
    askedFromPlay = fromPlay;
    question.title = "Quit? Progress is saved.";
    question.titleY = 580;
    question.top = 500;
    question.items = {{"Yes, quit (Y)"}, {"No, keep playing (N)"}};
    question.select(1);
}

bool PauseMenu::handle(const SDL_Event& event, FrameState& state) {
    if (page == Page::quitQuestion) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_y) answer(true, state);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_n) answer(false, state);
        switch (question.handle(event, state.window.area, state.window.height)) {
            case MenuEvent::chosen: answer(question.selected == 0, state); return true;
            case MenuEvent::back: answer(false, state); return true;
            case MenuEvent::moved: return true;
            default: return event.type == SDL_KEYDOWN;
        }
    }
    switch (menu.handle(event, state.window.area, state.window.height)) {
        case MenuEvent::chosen: choose(state); return true;
        case MenuEvent::back: state.pause.wanted = false; return true;
        case MenuEvent::moved: return true;
        default: return false;
    }
}

void PauseMenu::choose(FrameState& state) {
    const std::string& label = menu.items[menu.selected].label;
    if (label == resumeItem) {
        state.pause.wanted = false;
    } else if (label == titleItem) {
        state.quitToTitleWanted = true;
    } else if (label == quitItem) {
        requestQuit(state);
    }
}

void PauseMenu::answer(bool quit, FrameState& state) {
    if (quit) quitGame(state);
    page = Page::menu;
    if (askedFromPlay) state.pause.wanted = false;
}

void PauseMenu::draw(Font& font) const {
    useLayoutProjection();
    if (page == Page::quitQuestion) {
        question.draw(font);
        return;
    }
    menu.draw(font);
    drawText(font, keysToPress(), w / 2.0f, 120, 20, colours::grey, Align::centre);
}
