#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "pilot/FlightTuning.h"

// One "ships" line: a kind of enemy a wave sends, and how.
struct ShipsLine {
    int type = 0;
    int total = 1;       // ships this line sends in the wave
    int atOnce = 1;      // ships per arrival
    int intervalMs = 0;  // between arrivals
    int cap = 1;         // most of this line alive at a time
};

struct Wave {
    std::vector<ShipsLine> ships;
    // From the wave's announcement to its first ships.
    int delayMs = 3000;
};

enum class WorldGoal { waves, kills };

// A world block: what the campaign asks of one world.
struct WorldScript {
    int world = 0;
    std::string name;
    WorldGoal goal = WorldGoal::waves;
    int killTarget = 0;
    int bonus = 0;
    std::vector<Wave> waves;
    bool final = false;
    int line = 0;  // where the block starts in the file
};

// A shield over the hull: it takes damage first, and fills again once the
// ship has gone `quietMs` without a hit. A capacity of 0 is no shield.
struct ShieldScript {
    float capacity = 0;
    int quietMs = 0;
    float perSecond = 0;
};

// A choice offered when a campaign starts.
struct Difficulty {
    std::string name;
    float countFactor = 1;   // enemy counts
    float damageFactor = 1;  // damage enemies deal
    float scoreFactor = 1;   // points per kill
};

// The campaign as campaign/campaign.txt tells it.
class CampaignScript {
public:
    // The block of world `number`, or nullptr when the file names none.
    const WorldScript* world(int number) const;
    const Difficulty* difficulty(const std::string& name) const;
    std::vector<std::string> difficultyNames() const;
    // Points for destroying a ship of `type` (0 when no points line names it).
    int pointsFor(int type) const;

    int startWorld = 0;
    float spawnLeast = 6500;
    float spawnMost = 9500;
    float escapeDistance = 18000;
    int respawnMs = 3000;
    float deathCostPercent = 10;
    float repairPerSecond = 250;
    // Beyond this distance from a world's centre the ship is pushed back, so
    // it never reaches the world's hard edge.
    float edgeDistance = 90000;
    ShieldScript shield;
    // How far the ship's laser reaches; 0 reaches the world's edge, as in Free flight.
    float laserReach = 0;
    FlightTuning flight;
    std::vector<int> points;  // by ship type
    std::vector<Difficulty> difficulties;
    std::vector<WorldScript> worlds;
};

// A count of the script scaled by a difficulty's count factor: rounded, at least 1.
int scaledCount(int count, float factor);
// More ships of one wave than this are never alive at once, whatever the
// script and the difficulty ask; the reader warns of a wave that asks more.
const int mostAliveInWave = 500;

// Reads a campaign file; `shipTypes` is how many rows shipdata.txt has, the
// types a ships or points line may name. False (after one line per problem,
// "FILE line N: ...") when the file is missing or any line is wrong.
bool readCampaignScript(const std::string& fileName, size_t shipTypes, CampaignScript& script);
