#pragma once

#include <cstdint>

#include "campaign/CampaignScript.h"

// The rows of shipdata.txt generated waves need: the campaign's roster, rows
// 2 (the Dart) to 7 (the Dreadnought).
const int generatedShipTypes = 8;

// Every fifth world ends with the Dreadnought.
bool bossWorld(int number);
// The most ships one wave of world `number` has alive at once: it grows
// with the worlds, slowly enough that a frame stays light.
int aliveLimit(int number);

// Every ship that all the script's waves send, before a difficulty scales them.
int totalShips(const WorldScript& script);

// The goal, bonus and waves of world `number` of the seed's run, into
// `script`: later worlds send more and tougher enemies, more at once.
void makeWaves(uint64_t seed, int number, WorldScript& script);
