#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "campaign/UpgradeTable.h"
#include "core/point.h"

// What a run has earned so far; a finished one goes into the best results.
struct RunResult {
    long long score = 0;
    int kills = 0;
    int deaths = 0;
    long long timeMs = 0;
    std::string difficulty;
    // Through generated worlds, one after another, rather than the campaign's.
    bool endless = false;
    // What made the run: its generated worlds and its upgrade choices.
    uint64_t seed = 0;
    // Worlds cleared: how far an endless run got.
    int worlds = 0;
};

// Best results are kept apart by this: a difficulty of the campaign, or "endless".
std::string modeOf(const RunResult& run);

// "27:13": time played, in minutes and seconds.
std::string playTime(long long ms);

// Where a new ship appears: on a planet of the current world (its star's row
// in that world and its place among the star's planets), or at a point.
struct RespawnPoint {
    int star = -1;
    int planet = -1;
    point position{0, 0};

    bool onPlanet() const { return star >= 0; }
};

// What the save keeps: enough to go on in the same world with the same score.
struct SavedCampaign {
    RunResult run;
    int world = 0;
    std::vector<int> cleared;
    RespawnPoint respawn;
    float health = 0;
    // The upgrades chosen, in order.
    std::vector<Upgrade> upgrades;
};
