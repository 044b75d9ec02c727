#pragma once

#include <cstdint>

#include "campaign/CampaignScript.h"

// shipdata.txt's campaign roster, which generated waves send.
const int dartType = 2;
const int skimmerType = 3;
const int lancerType = 4;
const int mineType = 5;
const int bruteType = 6;
const int dreadnoughtType = 7;

// Every fifth world ends with the Dreadnought.
bool bossWorld(int number);
// The most ships one wave of world `number` has alive at once: it grows
// with the worlds, slowly enough that a frame stays light.
int aliveLimit(int number);

// The goal, bonus and waves of world `number` of the seed's run, into
// `script`: later worlds send more and tougher enemies, more at once.
void makeWaves(uint64_t seed, int number, WorldScript& script);
