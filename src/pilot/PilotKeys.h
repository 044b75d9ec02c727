#pragma once

// What the player asks of the pilot in a frame: the presses of the stop, the
// autopilot and the next destination, and whether the assist is on.
struct PilotKeys {
    bool stop = false;
    bool autopilot = false;
    bool next = false;
    bool assist = false;
};
