#include "app/Input.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/FrameState.h"
#include "combat/Player.h"
#include "sound/Sound.h"

namespace {
// Where the wheel and the depth keys stop. From the start, 20 wheel notches
// in or 30 out, and 20 presses of a depth key either way, act exactly as
// ever; beyond, the view would turn to 0 or infinity and the aim pass what
// the weapons can count in.
const float leastViewHeight = 100;
const float mostViewHeight = 1000000;
const float leastDepthScale = 1 / 40.0f;
const float mostDepthScale = 40;

float depthScale(float scale) { return std::clamp(scale, leastDepthScale, mostDepthScale); }
}  // namespace

void applyKeyPress(SDLKey key, FrameState& state, Player& player) {
    switch (key) {
        case SDLK_MINUS: state.spawnIntervalMs *= 2; break;
        case SDLK_EQUALS: state.spawnIntervalMs *= 0.5f; break;
        case SDLK_n: state.nearScale = depthScale(state.nearScale * 1.2f); break;
        case SDLK_m: state.nearScale = depthScale(state.nearScale / 1.2f); break;
        case SDLK_x: state.farScale = depthScale(state.farScale * 1.2f); break;
        case SDLK_c: state.farScale = depthScale(state.farScale / 1.2f); break;
        case SDLK_1: player.weapon = 0; break;
        case SDLK_2: player.weapon = 1; break;
        case SDLK_3: player.weapon = 2; break;
        case SDLK_v: toggleMute(); break;
        default: applyDesktopKey(key, state); break;
    }
}

void applyDesktopKey(SDLKey key, FrameState& state) {
    switch (key) {
        case SDLK_q: std::exit(0);
        case SDLK_p:
        case SDLK_ESCAPE: state.pause.wanted = !state.pause.paused; break;
        case SDLK_F11: state.window.switchWanted = true; break;
        case SDLK_F12: state.screenshotWanted = true; break;
        default: break;
    }
}

void applyMouseButton(int button, FrameState& state) {
    if (button == SDL_BUTTON_WHEELUP) {
        state.viewHeight = std::max(state.viewHeight / 1.2f, leastViewHeight);
    } else if (button == SDL_BUTTON_WHEELDOWN) {
        state.viewHeight = std::min(state.viewHeight * 1.2f, mostViewHeight);
    }
}

void handlePausedInput(FrameState& state) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN) {
            applyDesktopKey(event.key.keysym.sym, state);
        } else if (event.type == SDL_VIDEOEXPOSE) {
            state.pause.redrawWanted = true;
        } else if (event.type == SDL_QUIT) {
            std::exit(0);
        }
    }
}

void handleInput(FrameState& state, Player& player) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN) {
            applyKeyPress(event.key.keysym.sym, state, player);
        } else if (event.type == SDL_MOUSEBUTTONDOWN) {
            applyMouseButton(event.button.button, state);
        } else if (event.type == SDL_QUIT) {
            std::exit(0);
        } else if (event.type == SDL_ACTIVEEVENT && event.active.gain == 0) {
            state.pause.noteFocusLoss();
        }
    }
    state.pause.pauseIfFocusStaysLost();
    int dx = 0;
    int dy = 0;
    SDL_GetRelativeMouseState(&dx, &dy);
    state.moveCursor(dx, dy);
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
