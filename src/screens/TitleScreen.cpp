#include "screens/TitleScreen.h"

#include "campaign/CampaignProgress.h"
#include "core/Constants.h"
#include "desktop/WindowMode.h"
#include "ui/Text.h"

namespace {
const char* const continueItem = "Continue";
const char* const newItem = "New campaign";
const char* const freeItem = "Free flight";
const char* const replaysItem = "Replays";
const char* const optionsItem = "Options";
const char* const quitItem = "Quit";
const char* const backItem = "Back";
const char* const replaceItem = "Yes, replace it (Y)";
const char* const keepItem = "No, keep it (N)";
// Continue's label and the question before replacing a save name the save,
// drawn smaller when they would not fit.
const float savedTextWidth = 1100;

// "30,635".
std::string grouped(long long number) {
    std::string digits = std::to_string(number);
    int first = digits[0] == '-' ? 1 : 0;
    for (int at = static_cast<int>(digits.size()) - 3; at > first; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

std::string continueLabel(const SaveSummary& save) {
    return std::string(continueItem) + ": " + save.world + ", score " + grouped(save.score) + ", " +
           playTime(save.timeMs) + " played";
}

bool isKey(const SDL_Event& event, SDLKey key) { return event.type == SDL_KEYDOWN && event.key.keysym.sym == key; }

// "more enemies", "fewer enemies" or "" for a factor of one.
std::string compared(float factor, const char* more, const char* fewer) {
    if (factor > 1.001f) return more;
    if (factor < 0.999f) return fewer;
    return "";
}

void addPart(std::string& text, const std::string& part) {
    if (part.empty()) return;
    text += text.empty() ? capitalised(part) : ", " + part;
}
}  // namespace

TitleScreen::TitleScreen(const CampaignScript& script) : script(script) {
    main.titleY = 540;
    main.top = 470;
    difficulties.title = "How hard?";
    difficulties.titleY = 540;
    difficulties.top = 470;
    for (const Difficulty& difficulty : script.difficulties) difficulties.items.push_back({capitalised(difficulty.name)});
    difficulties.items.push_back({backItem});
    main.fitWidth = savedTextWidth;
    replaceQuestion.titleY = 540;
    replaceQuestion.top = 470;
    replaceQuestion.fitWidth = savedTextWidth;
    replaceQuestion.items = {{replaceItem}, {keepItem}};
}

void TitleScreen::open(const std::optional<SaveSummary>& save, const std::string& difficulty) {
    saved = save;
    note.clear();
    main.items.clear();
    if (saved) main.items.push_back({continueLabel(*saved)});
    main.items.push_back({newItem});
    if (!endlessItem.empty()) main.items.push_back({endlessItem});
    main.items.push_back({freeItem});
    if (!replays.kept.empty()) main.items.push_back({replaysItem});
    main.items.insert(main.items.end(), {{optionsItem}, {quitItem}});
    main.select(0);
    choosingDifficulty = false;
    askingToReplace = false;
    showingOptions = false;
    showingReplays = false;
    difficulties.select(0);
    for (size_t i = 0; i < script.difficulties.size(); ++i) {
        if (script.difficulties[i].name == difficulty) difficulties.select(static_cast<int>(i));
    }
}

TitleChoice TitleScreen::handle(const SDL_Event& event, Settings& settings, const WindowMode& window,
                                MenuRequests& requests) {
    if (showingOptions) {
        showingOptions = options.handle(event, settings, window, requests);
        return TitleChoice::none;
    }
    if (askingToReplace) {
        answerReplace(event, replaceQuestion.handle(event, window.area, window.height));
        return TitleChoice::none;
    }
    if (showingReplays) {
        bool watch = false;
        showingReplays = replays.handle(event, window, watch);
        return watch ? TitleChoice::watchReplay : TitleChoice::none;
    }
    Menu& menu = choosingDifficulty ? difficulties : main;
    MenuEvent result = menu.handle(event, window.area, window.height);
    if (choosingDifficulty) {
        bool back = result == MenuEvent::back ||
                    (result == MenuEvent::chosen && difficulties.selected == static_cast<int>(script.difficulties.size()));
        if (back) choosingDifficulty = false;
        return result == MenuEvent::chosen && !back ? TitleChoice::newCampaign : TitleChoice::none;
    }
    return result == MenuEvent::chosen ? chooseMain(settings) : TitleChoice::none;
}

TitleChoice TitleScreen::chooseMain(const Settings& settings) {
    const std::string& label = main.items[main.selected].label;
    if (label == optionsItem) {
        showingOptions = true;
        options.open(settings);
        return TitleChoice::none;
    }
    if (label == replaysItem) {
        showingReplays = true;
        replays.open();
        return TitleChoice::none;
    }
    if (saved && main.selected == 0) return TitleChoice::continueCampaign;
    if (label == endlessItem) return TitleChoice::endless;
    if (label == freeItem) return TitleChoice::freeFlight;
    if (label == quitItem) return TitleChoice::quit;
    if (saved) {
        askingToReplace = true;
        replaceQuestion.title =
            "Replace the saved campaign (" + saved->world + ", score " + grouped(saved->score) + ")?";
        replaceQuestion.select(1);
    } else {
        choosingDifficulty = true;
    }
    return TitleChoice::none;
}

// Yes goes on to the difficulty; no, or back, to the first menu.
void TitleScreen::answerReplace(const SDL_Event& event, MenuEvent result) {
    bool chosen = result == MenuEvent::chosen;
    bool yes = isKey(event, SDLK_y) || (chosen && replaceQuestion.selected == 0);
    bool no = isKey(event, SDLK_n) || result == MenuEvent::back || (chosen && replaceQuestion.selected == 1);
    if (!yes && !no) return;
    askingToReplace = false;
    choosingDifficulty = yes;
}

const Difficulty& TitleScreen::difficulty() const { return script.difficulties[difficulties.selected]; }

std::string TitleScreen::difficultyText() const {
    if (difficulties.selected >= static_cast<int>(script.difficulties.size())) return "";
    const Difficulty& chosen = difficulty();
    std::string text;
    addPart(text, compared(chosen.countFactor, "more enemies", "fewer enemies"));
    addPart(text, compared(chosen.damageFactor, "harder hits", "softer hits"));
    addPart(text, compared(chosen.scoreFactor, "more points", "fewer points"));
    return text.empty() ? "The campaign as it was meant" : text;
}

void TitleScreen::draw(Font& font, const Settings& settings) const {
    useLayoutProjection();
    if (showingOptions) {
        options.draw(font, settings);
        return;
    }
    if (showingReplays) {
        replays.draw(font);
        return;
    }
    drawPanel(0, 0, w, h, Colour{0, 0, 0.02f, 0.35f});
    drawText(font, "RERARA", w / 2.0f, 760, 120, colours::white, Align::centre);
    std::string worlds = std::to_string(script.worlds.size()) + " star systems to clear, one ship to do it";
    drawText(font, worlds, w / 2.0f, 690, 22, colours::calm, Align::centre);
    if (choosingDifficulty) {
        difficulties.draw(font);
        drawText(font, difficultyText(), w / 2.0f, difficulties.itemY(static_cast<int>(difficulties.items.size())) - 20,
                 20, colours::grey, Align::centre);
    } else if (askingToReplace) {
        replaceQuestion.draw(font);
    } else {
        main.draw(font);
        drawText(font, note, w / 2.0f, 130, 20, colours::warning, Align::centre);
    }
    drawText(font, "Arrows or W/S to choose, Enter to confirm, Escape to go back", w / 2.0f, 40, 16, colours::dim,
             Align::centre);
}
