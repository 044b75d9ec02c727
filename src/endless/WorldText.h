#pragma once

#include <cstdint>
#include <string>

#include "endless/GeneratedWorld.h"

// Generated worlds as the text of the campaign's four files, in the game's
// own formats: a data set that `rerara --check` reads like any other.
struct WorldTexts {
    std::string stars;
    std::string planets;
    std::string wormholes;
    std::string campaign;
    int starRows = 0;  // planet rows name their star by its row
};

// The files' headers and the campaign's settings, points and difficulties.
WorldTexts startWorldTexts(uint64_t seed);
// One world's rows and its block; a final world is won by clearing it and
// has no way on.
void addWorldText(WorldTexts& texts, const GeneratedWorld& world, bool final);
// The first `count` worlds of the seed's run, the last one final.
WorldTexts generatedWorldTexts(uint64_t seed, int count);

// Writes those into FOLDER/campaign/ (made when missing). False after a
// line naming the file that could not be written and why.
bool writeGeneratedWorlds(uint64_t seed, int count, const std::string& folder);
// `rerara --write-worlds`: the first ten worlds, then a line naming the seed
// so the run can be shared; the exit status.
int writeWorldsAndSay(uint64_t seed, const std::string& folder);
