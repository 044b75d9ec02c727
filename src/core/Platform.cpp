#include "core/Platform.h"

namespace {
const Uint8* heldKeysOverride = nullptr;
const Uint32* ticksOverride = nullptr;
}  // namespace

bool keyHeld(SDLKey key) {
    const Uint8* keys = heldKeysOverride ? heldKeysOverride : SDL_GetKeyState(nullptr);
    return keys[key] != 0;
}

int initWindowingLibrary(Uint32 flags) {
    const int attempts = 10;
    int result = SDL_Init(flags);
    for (int attempt = 1; result < 0 && attempt < attempts; ++attempt) {
        SDL_Quit();
        SDL_Delay(100);
        result = SDL_Init(flags);
    }
    return result;
}

Uint32 ticks() { return ticksOverride ? *ticksOverride : SDL_GetTicks(); }

void setHeldKeysForTesting(const Uint8* keys) { heldKeysOverride = keys; }

void setTicksForTesting(const Uint32* now) { ticksOverride = now; }
