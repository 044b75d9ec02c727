#pragma once

#include <string>
#include <vector>

#include "world/WorldState.h"

class Player;

// All worlds by number, and the player (not owned).
class Universe {
public:
    WorldState& operator[](int world);
    // The world the player is in; ends the program with a message if it names none.
    WorldState& currentWorld();
    const WorldState& currentWorld() const;

    std::vector<WorldState> worlds;
    Player* player = nullptr;
};

// A universe as `loaded` was loaded: every world's stars and wormholes, and no
// ships, shots or timed events; its player is for the caller to set.
Universe freshUniverse(const Universe& loaded);

// The name a world goes by when nothing else names it: its first star's, or
// "World N" when it has none or is not made yet.
std::string starName(const Universe& universe, int world);
