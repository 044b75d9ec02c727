#pragma once

#include <cstdint>

#include "campaign/CampaignScript.h"
#include "endless/GeneratedWorld.h"

class Universe;

// Ships an endless run has beyond its first: a run survives a mistake or
// two, and ends with the third ship lost.
const int endlessSpareShips = 2;

// An endless run: generated worlds one after another, each made from the
// seed when the ship comes near it. The script has the campaign's settings,
// points and difficulties, and a block for every world made so far; the
// universe a world for each, so the way on always leads somewhere.
class EndlessRun {
public:
    EndlessRun(uint64_t seed, const CampaignScript& campaign);
    // Makes every world up to the one after `world`, into the script and the
    // universe; true when it made one.
    bool keepAhead(int world, Universe& universe);

    uint64_t seed;
    CampaignScript script;
};

// The world's stars, planets and way on, built into its place in the
// universe as its rows in the world files would build them.
void addGeneratedWorld(Universe& universe, const GeneratedWorld& world);
// Whether the loaded ship types are enough for the waves an endless run makes.
bool endlessPlayable();
// The difficulty an endless run is played at: the campaign's normal one, or
// its first when it has none of that name.
const Difficulty& endlessDifficulty(const CampaignScript& script);
