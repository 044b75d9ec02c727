#include "core/Platform.h"

namespace {
const Uint8* heldKeysOverride = nullptr;
const Uint32* ticksOverride = nullptr;
}  // namespace

bool keyHeld(SDLKey key) {
    const Uint8* keys = heldKeysOverride ? heldKeysOverride : SDL_GetKeyState(nullptr);
    return keys[key] != 0;
}

Uint32 ticks() { return ticksOverride ? *ticksOverride : SDL_GetTicks(); }

void setHeldKeysForTesting(const Uint8* keys) { heldKeysOverride = keys; }

void setTicksForTesting(const Uint32* now) { ticksOverride = now; }
