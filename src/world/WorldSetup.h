#pragma once

#include <string>

class Universe;

// The three files a universe is read from.
struct WorldFiles {
    std::string stars = "stardata.txt";
    std::string planets = "planetdata.txt";
    std::string wormholes = "wormholedata.txt";
};

// Fills the universe from the world files (by default the top-level ones).
// False (after a message) when a file is missing or a row is unusable.
bool initializeStars(Universe& universe, const WorldFiles& files = WorldFiles());
