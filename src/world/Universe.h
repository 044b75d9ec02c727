#pragma once

#include <vector>

#include "world/WorldState.h"

class Player;

// All worlds by number, and the player (not owned).
class Universe {
public:
    WorldState& operator[](int world);
    // The world the player is in; ends the program with a message if it names none.
    WorldState& currentWorld();

    std::vector<WorldState> worlds;
    Player* player = nullptr;
};

// A universe as `loaded` was loaded: every world's stars and wormholes, and no
// ships, shots or timed events; its player is for the caller to set.
Universe freshUniverse(const Universe& loaded);
