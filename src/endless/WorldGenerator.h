#pragma once

#include <cstdint>

#include "campaign/CampaignScript.h"
#include "core/point.h"
#include "endless/GeneratedWorld.h"

// Where the first world takes the ship in: playerdata.txt's start point.
const point firstArrival{0, -6000};

// World `number` of the run that `seed` makes: its bodies, its way on to the
// next world (coming out at that world's arrival point) and its script. It
// depends on the seed and the number alone, so any world can be made when
// the player gets there, and always the same. Later worlds are harder: more
// and tougher enemies, more of them at once. Numbers run from 0 to 9999,
// as far as campaign.txt counts worlds.
GeneratedWorld generateWorld(uint64_t seed, int number);

// The most ships one wave of the script has alive at once (every line's
// cap, or its total when that is smaller), before a difficulty scales it.
int mostAlive(const WorldScript& script);
// The number of the world, among the first `count` of the seed's run, whose
// waves put the most ships in play at once (the first of equals).
int busiestWorld(uint64_t seed, int count);
