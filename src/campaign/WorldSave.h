#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "campaign/SaveText.h"

class WorldState;
struct WorldScript;

// The lines a save of version 2 adds for the world the ship is in: each once,
// and those given once for each ships line of the wave under way and for
// each enemy alive.
inline const std::vector<std::string> worldEntryNames{"world_kills", "waves", "ship", "orbits"};
inline const std::vector<std::string> repeatedEntryNames{"wave_line", "enemy"};
const size_t mostSavedEnemies = 500;

// What the saved world must fit: its block of campaign.txt (null for none),
// whether it is cleared, the difficulty's count factor and the world itself.
struct SavedWorldFrame {
    const WorldScript* block;
    bool cleared;
    float countFactor;
    const WorldState& world;
};

// The world's lines, every value kept within what readWorldSave takes back.
std::string worldSaveText(const WorldProgress& progress);
// Reads the world's lines against the campaign; false at the first problem.
bool readWorldSave(const SaveEntries& entries, const SavedWorldFrame& frame, WorldProgress& progress,
                   SaveProblem& problem);
