#pragma once

#include <filesystem>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "replay/ReplayFile.h"

// The recorded runs, in `replays/` of the player's folder (core/WriteFolder.h).
const char* const replaysFolderName = "replays";
const char* const replayExtension = ".replay";
const size_t replaysKept = 20;

std::filesystem::path replaysFolder();

struct KeptReplay {
    std::filesystem::path path;
    ReplayHeader header;
};

// The replays that can be read, newest first (by their names, which are dates).
std::vector<KeptReplay> keptReplays();
// Whether a finished run is one of the best results.
bool amongBest(const ReplayHeader& header, const std::vector<RunResult>& best);
// Removes all but the newest `keep` replays and those of the best results.
void pruneReplays(const std::vector<RunResult>& best, size_t keep);
// "2024-05-01 18:30:05" now, and as a file name "2024-05-01-183005".
std::string dateNow();
std::string dateAsName(const std::string& date);
