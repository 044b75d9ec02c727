#include "screens/PauseMenu.h"

#include "core/Constants.h"
#include "desktop/WindowMode.h"
#include "screens/UpgradeList.h"
#include "input/Controls.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const char* const resumeItem = "Resume";
const char* const optionsItem = "Options";
const char* const helpItem = "Help";
const char* const titleItem = "Quit to title";
const char* const quitItem = "Quit";
// A question that says why the save failed is drawn smaller to fit.
const float questionWidth = 1180;
const Colour backdrop{0.0f, 0.01f, 0.04f, 1.0f};

// What to press, with the keys bound now.
std::string keysToPress() {
    KeyInput pause = controls.bindings[Action::pause].key;
    KeyInput quit = controls.bindings[Action::quit].key;
    std::string text = pause.bound() ? keyLabel(pause) + " or Escape: resume" : "Escape: resume";
    return quit.bound() ? text + "     " + keyLabel(quit) + ": quit" : text;
}

bool isKey(const SDL_Event& event, SDLKey key) { return event.type == SDL_KEYDOWN && event.key.keysym.sym == key; }
}  // namespace

void PauseMenu::open(bool titleAvailable) {
    menu.title = "Paused";
    menu.titleY = 620;
    menu.top = 540;
    menu.items = {{resumeItem}, {optionsItem}, {helpItem}};
    if (titleAvailable) menu.items.push_back({titleItem});
    menu.items.push_back({quitItem});
    menu.select(0);
}

void PauseMenu::askToQuit(bool fromRunningGame, const std::string& asked) {
    page = Page::quitQuestion;
    fromPlay = fromRunningGame;
    question.title = asked;
    question.fitWidth = questionWidth;
    question.titleY = 580;
    question.top = 500;
    question.items = {{"Yes, quit (Y)"}, {"No, keep playing (N)"}};
    question.select(1);
}

void PauseMenu::showHelp(bool fromRunningGame, const Bindings& bindings) {
    page = Page::help;
    fromPlay = fromRunningGame;
    help.open(bindings);
}

bool PauseMenu::handle(const SDL_Event& event, Settings& settings, const WindowMode& window,
                       MenuRequests& requests) {
    switch (page) {
        case Page::quitQuestion:
            if (isKey(event, SDLK_y)) answer(true, requests);
            if (isKey(event, SDLK_n)) {
                answer(false, requests);
                return true;
            }
            switch (question.handle(event, window.area, window.height)) {
                case MenuEvent::chosen: answer(question.selected == 0, requests); return true;
                case MenuEvent::back: answer(false, requests); return true;
                case MenuEvent::moved: return true;
                default: return event.type == SDL_KEYDOWN;
            }
        case Page::options:
            if (!options.handle(event, settings, window, requests)) page = Page::menu;
            return event.type != SDL_QUIT;
        case Page::help: {
            bool back = isKey(event, SDLK_ESCAPE) || isKey(event, SDLK_RETURN) ||
                        (event.type == SDL_JOYBUTTONDOWN && event.jbutton.button == 1);
            if (back) {
                leavePage(requests);
                return true;
            }
            return help.handle(event);
        }
        case Page::menu: break;
    }
    switch (menu.handle(event, window.area, window.height)) {
        case MenuEvent::chosen: choose(settings, requests); return true;
        case MenuEvent::back: requests.resume = true; return true;
        case MenuEvent::moved: return true;
        default: return false;
    }
}

void PauseMenu::choose(Settings& settings, MenuRequests& requests) {
    const std::string& label = menu.items[menu.selected].label;
    if (label == resumeItem) {
        requests.resume = true;
    } else if (label == optionsItem) {
        page = Page::options;
        options.open(settings);
    } else if (label == helpItem) {
        showHelp(false, settings.bindings);
    } else if (label == titleItem) {
        requests.quitToTitle = true;
    } else if (label == quitItem) {
        requests.quit = true;
    }
}

// Yes quits; the answer was asked for only when the game can wait.
void PauseMenu::answer(bool quit, MenuRequests& requests) {
    if (quit) {
        requests.quitNow = true;
        return;
    }
    leavePage(requests);
}

void PauseMenu::leavePage(MenuRequests& requests) {
    page = Page::menu;
    if (fromPlay) requests.resume = true;
    fromPlay = false;
}

// The options and the help take the whole picture: the HUD under them is hidden.
void PauseMenu::draw(Font& font, const Settings& settings) const {
    useLayoutProjection();
    switch (page) {
        case Page::quitQuestion: question.draw(font); return;
        case Page::options:
            drawPanel(0, 0, w, h, backdrop);
            options.draw(font, settings);
            return;
        case Page::help:
            drawPanel(0, 0, w, h, backdrop);
            help.draw(font, settings.bindings);
            return;
        case Page::menu:
            menu.draw(font);
            drawUpgradeList(font, upgrades, 215, 18, 1100, 2);
            drawText(font, keysToPress(), w / 2.0f, 120, 20, colours::grey, Align::centre);
            return;
    }
}
