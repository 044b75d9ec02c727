#include "core/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {
Uint8 heldKeys[SDLK_LAST] = {};
const Uint32* ticksOverride = nullptr;
Uint32 pausedTime = 0;
bool inFrame = false;
Uint32 frameClock = 0;
}  // namespace

bool keyHeld(SDLKey key) { return heldKeys[key] != 0; }

void setKeyHeld(SDLKey key, bool held) { heldKeys[key] = held; }

void releaseAllKeys() { std::fill(std::begin(heldKeys), std::end(heldKeys), 0); }

bool mouseButtonHeld(int button) {
    return button >= 1 && button <= 8 && (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(button)) != 0;
}

int initWindowingLibrary(Uint32 flags) {
    // Without a named driver, a refused X connection falls back silently to
    // a text-mode driver that has no OpenGL.
    if (!std::getenv("SDL_VIDEODRIVER")) {
        SDL_putenv(const_cast<char*>("SDL_VIDEODRIVER=x11"));
    }
    const int attempts = 10;
    int result = SDL_Init(flags);
    for (int attempt = 1; result < 0 && attempt < attempts; ++attempt) {
        SDL_Quit();
        SDL_Delay(100);
        result = SDL_Init(flags);
    }
    return result;
}

Uint32 ticks() { return (ticksOverride ? *ticksOverride : SDL_GetTicks()) - pausedTime; }

void addPausedTime(Uint32 ms) { pausedTime += ms; }

Uint32 worldTicks() { return inFrame ? frameClock : ticks(); }

void enterFrameClock(Uint32 frameTime) {
    inFrame = true;
    frameClock = frameTime;
}

void leaveFrameClock() { inFrame = false; }

void setTicksForTesting(const Uint32* now) { ticksOverride = now; }
