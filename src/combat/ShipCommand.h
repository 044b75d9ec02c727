#pragma once

#include "core/point.h"

// What the pilot asks of the ship for one frame. Each push is the share of a
// whole step: a key gives 1, a stick how far it is pushed. Whoever flies
// builds one (the keys and the pad, an autopilot, a recorded run) and the
// ship obeys it.
struct ShipCommand {
    float turnLeft = 0;
    float turnRight = 0;
    float thrust = 0;
    float reverse = 0;
    // Fire the selected weapon at the aim.
    bool fire = false;
    // The weapon to select before anything else this frame; -1 keeps it.
    int weapon = -1;
    // The flight computer (src/pilot): it draws the ship's velocity towards
    // `easeTo` by at most `ease` units/ms every ms, without turning it. The
    // keys leave it at 0, and the ship flies as it always has.
    float ease = 0;
    point easeTo{0, 0};
};
