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
