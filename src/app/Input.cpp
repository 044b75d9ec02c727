#include "app/Input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/FrameState.h"
#include "app/Quit.h"
#include "combat/Player.h"
#include "hud/Notices.h"
#include "input/Controls.h"
#include "sound/Sound.h"

namespace {
// Where the wheel, the depth keys and the spawn keys stop. From the start,
// 20 wheel notches in or 30 out, 20 presses of a depth key and 18 of a spawn
// key either way act exactly as ever; beyond, the view would turn to 0 or
// infinity, the aim pass what the weapons can count in, and the spawn
// interval reach 0 or infinity and never come back.
const float leastViewHeight = 100;
const float mostViewHeight = 1000000;
const float leastDepthScale = 1 / 40.0f;
const float mostDepthScale = 40;
const float leastSpawnIntervalMs = 0.001f;
const float mostSpawnIntervalMs = 1e9f;
const int playerWeapons = 3;

float depthScale(float scale) { return std::clamp(scale, leastDepthScale, mostDepthScale); }

float spawnInterval(float ms) { return std::clamp(ms, leastSpawnIntervalMs, mostSpawnIntervalMs); }

void togglePause(FrameState& state) { state.pause.wanted = !state.pause.paused; }

// The help shows over the paused game; asked for again, it goes.
void toggleHelp(FrameState& state) {
    if (state.pause.paused && state.pauseMenu.page == PauseMenu::Page::help) {
        state.pauseMenu.leavePage(state);
        return;
    }
    state.pauseMenu.showHelp(!state.pause.paused);
    state.pause.wanted = true;
}

void applyPausedPress(const std::vector<Action>& actions, FrameState& state) {
    for (Action action : actions) applyDesktopAction(action, state);
}
}  // namespace

void applyAction(Action action, FrameState& state, Player& player) {
    switch (action) {
        case Action::fewerEnemies: state.spawnIntervalMs = spawnInterval(state.spawnIntervalMs * 2); break;
        case Action::moreEnemies: state.spawnIntervalMs = spawnInterval(state.spawnIntervalMs * 0.5f); break;
        case Action::flattenDepth: state.nearScale = depthScale(state.nearScale * 1.2f); break;
        case Action::deepenDepth: state.nearScale = depthScale(state.nearScale / 1.2f); break;
        case Action::farPlaneOut: state.farScale = depthScale(state.farScale * 1.2f); break;
        case Action::farPlaneIn: state.farScale = depthScale(state.farScale / 1.2f); break;
        case Action::weapon1: player.weapon = 0; break;
        case Action::weapon2: player.weapon = 1; break;
        case Action::weapon3: player.weapon = 2; break;
        case Action::nextWeapon: player.weapon = (player.weapon + 1) % playerWeapons; break;
        case Action::previousWeapon:
            player.weapon = (player.weapon + playerWeapons - 1) % playerWeapons;
            break;
        case Action::zoomIn: state.viewHeight = std::max(state.viewHeight / 1.2f, leastViewHeight); break;
        case Action::zoomOut: state.viewHeight = std::min(state.viewHeight * 1.2f, mostViewHeight); break;
        case Action::mute: toggleMute(); break;
        case Action::statusLines: state.statusLinesShown = !state.statusLinesShown; break;
        case Action::hud: state.hudShown = !state.hudShown; break;
        case Action::map: state.largeMapShown = !state.largeMapShown; break;
        default: applyDesktopAction(action, state); break;
    }
    std::string notice = keyNotice(action, state);
    if (!notice.empty()) state.hud.notice(notice, static_cast<int>(state.clockTime));
}

void applyDesktopAction(Action action, FrameState& state) {
    switch (action) {
        case Action::quit: requestQuit(state); break;
        case Action::pause: togglePause(state); break;
        case Action::fullScreen: state.window.switchWanted = true; break;
        case Action::screenshot: state.screenshotWanted = true; break;
        case Action::help: toggleHelp(state); break;
        default: break;
    }
}

void applyKeyPress(SDLKey key, FrameState& state, Player& player) {
    if (key == SDLK_ESCAPE) {
        togglePause(state);
        return;
    }
    for (Action action : actionsOfKey(KeyInput::key(key))) applyAction(action, state, player);
}

void applyMouseButton(int button, FrameState& state, Player& player) {
    for (Action action : actionsOfKey(KeyInput::mouse(button))) applyAction(action, state, player);
}

void applyPadPress(PadInput control, FrameState& state, Player& player) {
    for (Action action : actionsOfPad(control)) applyAction(action, state, player);
}

void handlePausedInput(FrameState& state) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) quitGame(state);
        if (event.type == SDL_VIDEOEXPOSE) {
            state.pause.redrawWanted = true;
            continue;
        }
        SDLKey key = SDLK_UNKNOWN;
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) key = noteKeyEvent(event.key);
        if (event.type == SDL_KEYUP) continue;
        if (state.pauseMenu.handle(event, state)) {
            state.pause.redrawWanted = true;
        } else if (event.type == SDL_KEYDOWN) {
            applyPausedPress(actionsOfKey(KeyInput::key(key)), state);
        } else {
            for (PadInput control : applyPadEvent(controls.pad, event)) {
                applyPausedPress(actionsOfPad(control), state);
            }
        }
    }
}

void handleInput(FrameState& state, Player& player) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN) {
            applyKeyPress(noteKeyEvent(event.key), state, player);
        } else if (event.type == SDL_KEYUP) {
            noteKeyEvent(event.key);
        } else if (event.type == SDL_MOUSEBUTTONDOWN) {
            applyMouseButton(event.button.button, state, player);
        } else if (event.type == SDL_QUIT) {
            quitGame(state);
        } else if (event.type == SDL_ACTIVEEVENT && event.active.gain == 0) {
            state.pause.noteFocusLoss();
        } else {
            for (PadInput control : applyPadEvent(controls.pad, event)) {
                applyPadPress(control, state, player);
            }
        }
    }
    state.pause.pauseIfFocusStaysLost();
    int dx = 0;
    int dy = 0;
    SDL_GetRelativeMouseState(&dx, &dy);
    state.moveCursor(dx, dy);
    float right = actionAmount(Action::aimRight) - actionAmount(Action::aimLeft);
    float up = actionAmount(Action::aimUp) - actionAmount(Action::aimDown);
    if (right != 0 || up != 0) {
        state.steerCursor(right, up);
    }
}

namespace {
const char* eventTypeName(int type) {
    switch (type) {
        case 1: return "Active Event";
        case 2: return "KEY DOWN";
        case 3: return "KEY UP";
        case 4: return "MOUSE MOTION";
        case 5: return "MOUSEBUTTONDOWN";
        case 6: return "MOUSEBUTTONUP";
        case 7: return "JOYAXISMOTION";
        case 8: return "JOYBALLMOTION";
        case 9: return "JOYHATMOTION";
        case 10: return "JOYBUTTONDOWN";
        case 11: return "JOYBUTTONUP";
        case 12: return "QUIT";
        case 13: return "SOME KIND OF UNHANDLED WINDOW MANAGER EVENT";
        case 16: return "VIDEORESIZE";
        case 17: return "VIDEOEXPOSE";
        default: return "Unusual SDL event";
    }
}
}  // namespace

void eventTypeDisp(SDL_Event event) {
    std::printf("<%s>\n", eventTypeName(event.type));
    std::fflush(stdout);
}
