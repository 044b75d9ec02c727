#pragma once

#include <string>

#include "core/point.h"

// What the flight readouts show this frame (hud/FlightCues.h): nothing
// unless the pilot and the HUD's panels are on.
struct FlightView {
    bool shown = false;
    // The ship's speed relative to the nearest body, units/ms.
    float speed = 0;
    bool autopilot = false;
    bool stopping = false;
    bool assist = false;
    // The marked destination in words ("" for none), where it is and how
    // far round it reaches; framed on screen unless something else marks it.
    std::string destination;
    point destinationAt{0, 0};
    float destinationRadius = 0;
    bool framed = false;
    // Near a planet: where a touch-down would be (its centre and the ring
    // the ship's centre touches it on), how fast it would be and below what
    // speed it lands gently.
    bool landing = false;
    point planetAt{0, 0};
    float touchRadius = 0;
    float touchSpeed = 0;
    float safeSpeed = 0;
};
