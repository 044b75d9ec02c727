#include "app/Events.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ApplySettings.h"
#include "app/CampaignRun.h"
#include "app/FrameState.h"
#include "combat/Player.h"
#include "core/Geometry.h"
#include "input/Controls.h"
#include "input/Gamepad.h"
#include "replay/ReplayPlayback.h"
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
        MenuRequests requests;
        state.pauseMenu.leavePage(requests);
        carryOut(requests, state);
        return;
    }
    state.pauseMenu.showHelp(!state.pause.paused, state.settings.bindings);
    state.pause.wanted = true;
}

// The weapon a weapon key leaves selected: the one this frame's command
// already chose, else the ship's.
void chooseWeapon(Action action, FrameState& state, const Player& player) {
    int current = state.command.weapon >= 0 ? state.command.weapon : player.weapon;
    switch (action) {
        case Action::weapon1: current = 0; break;
        case Action::weapon2: current = 1; break;
        case Action::weapon3: current = 2; break;
        case Action::nextWeapon: current = (current + 1) % playerWeapons; break;
        case Action::previousWeapon: current = (current + playerWeapons - 1) % playerWeapons; break;
        default: return;
    }
    state.command.weapon = current;
}

// In a replay the weapon keys choose how many recorded frames a shown frame plays.
void chooseSpeed(Action action, ReplayPlayback& playback) {
    const int speeds[] = {1, 2, 4};
    int current = playback.speed >= 4 ? 2 : playback.speed - 1;
    switch (action) {
        case Action::weapon1: current = 0; break;
        case Action::weapon2: current = 1; break;
        case Action::weapon3: current = 2; break;
        case Action::nextWeapon: current = std::min(current + 1, 2); break;
        case Action::previousWeapon: current = std::max(current - 1, 0); break;
        default: return;
    }
    playback.speed = speeds[current];
}

void press(const std::vector<Action>& actions, InputContext context, FrameState& state, const Player* player) {
    for (Action action : actions) {
        if (actsIn(action, context)) applyAction(action, state, player);
    }
}

std::string arrivalText(float intervalMs) {
    if (intervalMs < 1000) return "Enemies arrive every " + toString(intervalMs) + " ms";
    return "Enemies arrive every " + toString(intervalMs / 1000) + " s";
}

// The actions of one event, in `context`.
void actOn(const SDL_Event& event, FrameState& state, InputContext context, const Player* player) {
    // A replay pauses as play does.
    bool running = context == InputContext::play || context == InputContext::replay;
    switch (event.type) {
        case SDL_QUIT: quitGame(state);
        case SDL_VIDEOEXPOSE: state.pause.redrawWanted = true; return;
        case SDL_ACTIVEEVENT:
            if (running && event.active.gain == 0) state.pause.noteFocusLoss();
            return;
        case SDL_KEYUP: noteKeyEvent(event.key); return;
        case SDL_KEYDOWN: {
            SDLKey key = noteKeyEvent(event.key);
            if (key == SDLK_ESCAPE && running) {
                togglePause(state);
            } else if (key != SDLK_ESCAPE) {
                press(actionsOfKey(KeyInput::key(key)), context, state, player);
            }
            return;
        }
        case SDL_MOUSEBUTTONDOWN: press(actionsOfKey(KeyInput::mouse(event.button.button)), context, state, player); return;
        default:
            for (PadInput control : applyPadEvent(controls.pad, event)) press(actionsOfPad(control), context, state, player);
    }
}
}  // namespace

void readEvents(FrameState& state, InputContext context, const Player* player, ScreenInput* screen) {
    if (gamepadLost()) state.hud.notice("Gamepad disconnected", static_cast<int>(state.clockTime));
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        bool editing = screen && screen->waitingForKey && screen->waitingForKey();
        actOn(event, state, editing ? InputContext::keyEditor : context, player);
        // The keys after the quit question answer it: they wait for the paused frame.
        bool asked = state.pause.wanted && state.pauseMenu.page == PauseMenu::Page::quitQuestion;
        if (context == InputContext::play && asked) return;
        if (!screen) continue;
        bool taken = screen->take(event);
        if (taken && context == InputContext::paused) state.pause.redrawWanted = true;
        if (!screen->keepReading) return;
    }
}

void handlePlayInput(FrameState& state, const Player& player) {
    state.command = ShipCommand{};
    state.window.keepPointerMoving();
    readEvents(state, InputContext::play, &player);
    state.pause.pauseIfFocusStaysLost();
    addHeldActions(state.command);
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

void handleReplayInput(FrameState& state) {
    readEvents(state, InputContext::replay, nullptr);
    state.pause.pauseIfFocusStaysLost();
    SDL_GetRelativeMouseState(nullptr, nullptr);
}

void handlePausedInput(FrameState& state) {
    if (lostGamepadFound()) state.hud.notice("Gamepad connected", static_cast<int>(state.clockTime));
    ScreenInput menu;
    menu.take = [&state](const SDL_Event& event) {
        if (event.type == SDL_KEYUP) return false;
        MenuRequests requests;
        bool taken = state.pauseMenu.handle(event, state.settings, state.window, requests);
        carryOut(requests, state);
        return taken;
    };
    menu.waitingForKey = [&state] { return state.pauseMenu.waitingForKey(); };
    readEvents(state, InputContext::paused, nullptr, &menu);
}

void applyAction(Action action, FrameState& state, const Player* player) {
    switch (action) {
        case Action::fewerEnemies: state.spawnIntervalMs = spawnInterval(state.spawnIntervalMs * 2); break;
        case Action::moreEnemies: state.spawnIntervalMs = spawnInterval(state.spawnIntervalMs * 0.5f); break;
        case Action::flattenDepth: state.camera.nearScale = depthScale(state.camera.nearScale * 1.2f); break;
        case Action::deepenDepth: state.camera.nearScale = depthScale(state.camera.nearScale / 1.2f); break;
        case Action::farPlaneOut: state.camera.farScale = depthScale(state.camera.farScale * 1.2f); break;
        case Action::farPlaneIn: state.camera.farScale = depthScale(state.camera.farScale / 1.2f); break;
        case Action::weapon1:
        case Action::weapon2:
        case Action::weapon3:
        case Action::nextWeapon:
        case Action::previousWeapon:
            if (player) chooseWeapon(action, state, *player);
            if (state.playback) chooseSpeed(action, *state.playback);
            break;
        case Action::zoomIn: state.camera.viewHeight = std::max(state.camera.viewHeight / 1.2f, leastViewHeight); break;
        case Action::zoomOut: state.camera.viewHeight = std::min(state.camera.viewHeight * 1.2f, mostViewHeight); break;
        case Action::mute: toggleMute(); break;
        case Action::statusLines: state.shown.statusLines = !state.shown.statusLines; break;
        case Action::hud: state.shown.hud = !state.shown.hud; break;
        case Action::map: state.shown.largeMap = !state.shown.largeMap; break;
        case Action::quit: requestQuit(state); break;
        case Action::pause: togglePause(state); break;
        case Action::fullScreen: state.window.switchWanted = true; break;
        case Action::screenshot: state.screenshotWanted = true; break;
        case Action::help: toggleHelp(state); break;
        case Action::stop: state.pilot.stopPressed = state.shown.flight; break;
        case Action::autopilot: state.pilot.autopilotPressed = state.shown.flight; break;
        case Action::nextDestination: state.pilot.nextPressed = state.shown.flight; break;
        default: break;
    }
    std::string notice = keyNotice(action, state);
    if (!notice.empty()) state.hud.notice(notice, static_cast<int>(state.clockTime));
}

void applyKeyPress(SDLKey key, FrameState& state, const Player& player) {
    if (key == SDLK_ESCAPE) {
        togglePause(state);
        return;
    }
    press(actionsOfKey(KeyInput::key(key)), InputContext::play, state, &player);
}

void applyMouseButton(int button, FrameState& state, const Player& player) {
    press(actionsOfKey(KeyInput::mouse(button)), InputContext::play, state, &player);
}

void applyPadPress(PadInput control, FrameState& state, const Player& player) {
    press(actionsOfPad(control), InputContext::play, state, &player);
}

void carryOut(const MenuRequests& requests, FrameState& state) {
    if (requests.quitNow) quitGame(state);
    if (requests.windowModeChanged) state.window.switchWanted = state.settings.fullScreen != state.window.fullScreen;
    if (requests.settingsChanged) applyAndSaveSettings(state);
    if (requests.resume) state.pause.wanted = false;
    if (requests.quitToTitle) state.quitToTitleWanted = true;
    if (requests.quit) requestQuit(state);
}

std::string keyNotice(Action action, const FrameState& state) {
    switch (action) {
        case Action::fewerEnemies:
        case Action::moreEnemies:
            return state.campaign ? "The campaign sends its own waves" : arrivalText(state.spawnIntervalMs);
        case Action::flattenDepth:
        case Action::deepenDepth: return "Near plane x" + toString(state.camera.nearScale);
        case Action::farPlaneOut:
        case Action::farPlaneIn: return "Far plane x" + toString(state.camera.farScale);
        case Action::weapon1:
        case Action::weapon2:
        case Action::weapon3:
        case Action::nextWeapon:
        case Action::previousWeapon:
            return state.playback ? "Replay at " + std::to_string(state.playback->speed) + "x" : "";
        default: return "";
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
