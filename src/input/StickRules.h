#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "settings/Bindings.h"

// A pad's controls as its events left them: axes from -32768 to 32767,
// buttons 0 or 1, hats as SDL_HAT_* bits.
struct PadState {
    std::vector<Sint16> axes;
    std::vector<Uint8> buttons;
    std::vector<Uint8> hats;
};

// How far a control is pushed, from 0 to 1. An axis in its bound direction is
// 0 inside the dead zone (a fraction of its travel) and rises evenly to 1
// a little short of its end, which worn sticks never reach; a button or a hat
// direction is 0 or 1; a control the pad lacks is 0.
float padAmount(const PadState& pad, PadInput control, float deadZone);
// Applies one joystick event to the state and returns the controls it
// pressed: a button going down, a hat direction newly held, an axis crossing
// half its travel outwards. Other events change nothing.
std::vector<PadInput> applyPadEvent(PadState& pad, const SDL_Event& event);
