#pragma once

#include <cstdint>
#include <optional>
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

// A ships line of the wave under way: ships it has sent, and the time until
// it may send more.
struct ShipsLineProgress {
    int spawned = 0;
    int nextInMs = 0;
};

// Where a world's waves stand. Times count from the moment they were read
// out, so that they hold under another clock.
struct WaveProgress {
    // The wave under way, from 0; -1 before the first is announced.
    int current = -1;
    // Waves announced so far (a repeated wave counts again).
    int begun = 0;
    // Until the wave under way sends its first ships.
    int startsInMs = 0;
    std::vector<ShipsLineProgress> lines;
};

// The ship in flight.
struct ShipInFlight {
    point position{0, 0};
    point velocity{0, 0};
    float angle = 0;
};

// An enemy as it flies: its shipdata.txt row, its ships line (the spawner's
// tag), its damage factor, and the time until it may fire.
struct SavedEnemy {
    int type = 0;
    int tag = 0;
    point position{0, 0};
    point velocity{0, 0};
    float health = 0;
    float damageFactor = 1;
    int reloadMs = 0;
};

// The world the ship is in, as the player left it.
struct WorldProgress {
    // Enemies destroyed here, for a kills goal.
    int kills = 0;
    // None once the world is cleared, or in a world without waves.
    std::optional<WaveProgress> waves;
    // None when the ship stands at its respawn point: landed there, or lost
    // and waiting for a new one.
    std::optional<ShipInFlight> ship;
    // Each planet's angle on its orbit (radians), the stars' planets in file order.
    std::vector<float> orbits;
    std::vector<SavedEnemy> enemies;
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
    // None when the world starts again (a save of the game's first version).
    std::optional<WorldProgress> here;
};
