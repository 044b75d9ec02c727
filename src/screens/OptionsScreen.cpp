#include "screens/OptionsScreen.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/Constants.h"
#include "desktop/WindowMode.h"
#include "input/Controls.h"
#include "input/KeyPlace.h"
#include "input/StickRules.h"
#include "ui/Text.h"

namespace {

// The rows of the first page, in order.
enum Option {
    soundVolume,
    musicVolume,
    fullScreen,
    mouseSensitivity,
    difficulty,
    assist,
    statusLines,
    hud,
    labels,
    markers,
    music,
    freeFlightAssist,
    replays,
    hints,
    controlsRow,
    backRow,
    optionCount
};

const char* const optionLabels[optionCount] = {
    "Sound volume", "Music volume", "Full screen", "Mouse sensitivity", "Next campaign", "Flight assist",
    "Free flight: status lines", "Free flight: HUD", "Free flight: labels", "Free flight: markers",
    "Free flight: music", "Free flight: assist", "Free flight: replays", "First-campaign hints", "Controls...",
    "Back",
};

const int volumeStep = 10;
const int sensitivityStep = 25;
const int difficultyCount = 3;
const int resetRow = actionCount;
const int controlsBackRow = actionCount + 1;

std::string onOff(bool on) { return on ? "on" : "off"; }

std::string optionValue(int option, const Settings& settings) {
    switch (option) {
        case soundVolume: return std::to_string(settings.volume) + " %";
        case musicVolume: return std::to_string(settings.musicVolume) + " %";
        case fullScreen: return onOff(settings.fullScreen);
        case mouseSensitivity: return std::to_string(settings.mouseSensitivity) + " %";
        case difficulty: return settings.difficulty;
        case assist: return onOff(settings.flightAssist);
        case statusLines: return onOff(settings.freeFlightStatusLines);
        case hud: return onOff(settings.freeFlightHud);
        case labels: return onOff(settings.freeFlightLabels);
        case markers: return onOff(settings.freeFlightMarkers);
        case music: return onOff(settings.freeFlightMusic);
        case freeFlightAssist: return onOff(settings.freeFlightAssist);
        case replays: return onOff(settings.freeFlightReplays);
        case hints: return settings.hints ? "will show" : "shown";
        default: return "";
    }
}

// Label and value in one line of the monospaced font.
std::string optionLine(int option, const Settings& settings) {
    char line[64];
    std::snprintf(line, sizeof line, "%-27s%10s", optionLabels[option], optionValue(option, settings).c_str());
    return line;
}

int stepped(int value, int step, int least, int most) { return std::clamp(value + step, least, most); }

int difficultyIndex(const std::string& name) {
    for (int i = 0; i < difficultyCount; ++i) {
        if (name == difficultyNames[i]) return i;
    }
    return 1;
}

int horizontalStep(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN) {
        SDLKey key = event.key.keysym.sym;
        if (key == SDLK_LEFT || key == SDLK_a) return -1;
        if (key == SDLK_RIGHT || key == SDLK_d) return 1;
    }
    if (event.type == SDL_JOYHATMOTION) {
        if (event.jhat.value & SDL_HAT_LEFT) return -1;
        if (event.jhat.value & SDL_HAT_RIGHT) return 1;
    }
    return 0;
}

}  // namespace

void OptionsScreen::open(const Settings& settings) {
    page = Page::settings;
    menu.title = "Options";
    menu.titleY = 880;
    menu.top = 800;
    menu.spacing = 46;
    menu.scale = 26;
    menu.width = 760;
    refresh(settings);
    menu.select(0);
}

void OptionsScreen::refresh(const Settings& settings) {
    menu.items.clear();
    for (int option = 0; option < optionCount; ++option) {
        menu.items.push_back({option < controlsRow ? optionLine(option, settings) : optionLabels[option]});
    }
}

bool OptionsScreen::handle(const SDL_Event& event, Settings& settings, const WindowMode& window,
                           MenuRequests& requests) {
    return page == Page::settings ? handleSettings(event, settings, window, requests)
                                  : handleControls(event, settings, window, requests);
}

bool OptionsScreen::handleSettings(const SDL_Event& event, Settings& settings, const WindowMode& window,
                                   MenuRequests& requests) {
    int step = horizontalStep(event);
    if (step != 0) {
        change(menu.selected, step, settings, requests);
        return true;
    }
    bool rightClick = event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_RIGHT;
    switch (menu.handle(event, window.area, window.height)) {
        case MenuEvent::back: return false;
        case MenuEvent::chosen:
            if (menu.selected == backRow) return false;
            if (menu.selected == controlsRow) {
                page = Page::controls;
                table = ControlsTable{0, false, 2, {"Reset to defaults", "Back"}, 0, controlsRowsShown};
                return true;
            }
            change(menu.selected, 1, settings, requests);
            return true;
        default:
            if (rightClick) change(menu.selected, -1, settings, requests);
            return true;
    }
}

// Each change takes effect at once and is kept in settings.txt.
void OptionsScreen::change(int option, int step, Settings& settings, MenuRequests& requests) {
    switch (option) {
        case soundVolume: settings.volume = stepped(settings.volume, step * volumeStep, 0, mostVolume); break;
        case musicVolume: settings.musicVolume = stepped(settings.musicVolume, step * volumeStep, 0, mostVolume); break;
        case fullScreen:
            settings.fullScreen = !settings.fullScreen;
            requests.windowModeChanged = true;
            break;
        case mouseSensitivity:
            settings.mouseSensitivity = stepped(settings.mouseSensitivity, step * sensitivityStep,
                                                leastMouseSensitivity, mostMouseSensitivity);
            break;
        case difficulty:
            settings.difficulty =
                difficultyNames[(difficultyIndex(settings.difficulty) + step + difficultyCount) % difficultyCount];
            break;
        case statusLines: settings.freeFlightStatusLines = !settings.freeFlightStatusLines; break;
        case hud: settings.freeFlightHud = !settings.freeFlightHud; break;
        case labels: settings.freeFlightLabels = !settings.freeFlightLabels; break;
        case markers: settings.freeFlightMarkers = !settings.freeFlightMarkers; break;
        case music: settings.freeFlightMusic = !settings.freeFlightMusic; break;
        case assist: settings.flightAssist = !settings.flightAssist; break;
        case freeFlightAssist: settings.freeFlightAssist = !settings.freeFlightAssist; break;
        case replays: settings.freeFlightReplays = !settings.freeFlightReplays; break;
        case hints: settings.hints = !settings.hints; break;
        default: return;
    }
    requests.settingsChanged = true;
    refresh(settings);
}

bool OptionsScreen::handleControls(const SDL_Event& event, Settings& settings, const WindowMode& window,
                                   MenuRequests& requests) {
    if (table.waiting) return bindWaitingRow(event, settings, requests);
    if (event.type == SDL_KEYDOWN) {
        switch (event.key.keysym.sym) {
            case SDLK_ESCAPE: page = Page::settings; return true;
            case SDLK_UP: moveControlsRow(-1); return true;
            case SDLK_DOWN: moveControlsRow(1); return true;
            case SDLK_RETURN:
            case SDLK_KP_ENTER: chooseControlsRow(settings, requests); return true;
            case SDLK_BACKSPACE:
            case SDLK_DELETE:
                if (table.selected < actionCount) {
                    settings.bindings[static_cast<Action>(table.selected)] = Binding{};
                    requests.settingsChanged = true;
                }
                return true;
            default: return true;
        }
    }
    if (event.type == SDL_MOUSEMOTION || event.type == SDL_MOUSEBUTTONDOWN) {
        handleControlsPointer(event, settings, window, requests);
        return true;
    }
    if (event.type == SDL_JOYHATMOTION) {
        if (event.jhat.value & SDL_HAT_UP) moveControlsRow(-1);
        if (event.jhat.value & SDL_HAT_DOWN) moveControlsRow(1);
        return true;
    }
    if (event.type == SDL_JOYBUTTONDOWN) {
        if (event.jbutton.button == 0) chooseControlsRow(settings, requests);
        if (event.jbutton.button == 1) page = Page::settings;
    }
    return true;
}

void OptionsScreen::moveControlsRow(int step) {
    int rows = table.totalRows();
    table.selected = (table.selected + step + rows) % rows;
    keepSelectedInView(table);
}

// The pointer chooses the row under it when it moves there, the wheel steps
// through the rows, and a click binds the row under it.
void OptionsScreen::handleControlsPointer(const SDL_Event& event, Settings& settings, const WindowMode& window,
                                         MenuRequests& requests) {
    if (event.type == SDL_MOUSEMOTION) {
        if (!pointer.moved(event.motion, window.area)) return;
        int row = controlsRowAt(layoutPoint(event.motion.x, event.motion.y, window.area, window.height).y, table);
        if (row >= 0) table.selected = row;
        return;
    }
    if (event.button.button == SDL_BUTTON_WHEELUP || event.button.button == SDL_BUTTON_WHEELDOWN) {
        moveControlsRow(event.button.button == SDL_BUTTON_WHEELUP ? -1 : 1);
        return;
    }
    int row = controlsRowAt(layoutPoint(event.button.x, event.button.y, window.area, window.height).y, table);
    if (row < 0) return;
    table.selected = row;
    if (event.button.button == SDL_BUTTON_LEFT) chooseControlsRow(settings, requests);
}

void OptionsScreen::chooseControlsRow(Settings& settings, MenuRequests& requests) {
    if (table.selected == controlsBackRow) {
        page = Page::settings;
    } else if (table.selected == resetRow) {
        settings.bindings = defaultBindings();
        requests.settingsChanged = true;
    } else {
        table.waiting = true;
    }
}

// The next key, mouse button or pad control becomes the action's; Escape
// leaves it as it was.
bool OptionsScreen::bindWaitingRow(const SDL_Event& event, Settings& settings, MenuRequests& requests) {
    Binding& binding = settings.bindings[static_cast<Action>(table.selected)];
    if (event.type == SDL_KEYDOWN) {
        if (event.key.keysym.sym != SDLK_ESCAPE) binding.key = KeyInput::key(keyAtPlace(event.key.keysym));
    } else if (event.type == SDL_MOUSEBUTTONDOWN) {
        binding.key = KeyInput::mouse(event.button.button);
    } else {
        std::vector<PadInput> pressed = applyPadEvent(controls.pad, event);
        if (pressed.empty()) return true;
        binding.pad = pressed.front();
    }
    table.waiting = false;
    requests.settingsChanged = true;
    return true;
}

void OptionsScreen::draw(Font& font, const Settings& settings) const {
    useLayoutProjection();
    drawPanel(0, 0, w, h, Colour{0, 0, 0.02f, 0.55f});
    if (page == Page::settings) {
        menu.draw(font);
        drawText(font, "Left and right (or a click) change the value; Escape goes back", w / 2.0f, 60, 17,
                 colours::dim, Align::centre);
        return;
    }
    drawText(font, "Controls", w / 2.0f, 975, 34, colours::white, Align::centre);
    drawControlsTable(font, settings.bindings, table);
    drawText(font, "Enter: bind a new key, button or pad control   Backspace: unbind   Escape: back", w / 2.0f, 50,
             16, colours::dim, Align::centre);
}
