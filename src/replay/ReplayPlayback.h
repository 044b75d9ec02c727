#pragma once

#include "replay/ReplayFile.h"

// A replay being watched: its frames, how many have been played, and how
// many of them each shown frame plays (1, 2 or 4).
struct ReplayPlayback {
    Replay replay;
    size_t played = 0;
    int speed = 1;
    // The recorded upgrade choices made so far.
    size_t upgradesTaken = 0;

    bool finished() const { return played >= replay.frames.size(); }
};
