#pragma once

#include <string>
#include <vector>

#include "replay/ReplayFile.h"

// A replay's frames as bytes, before deflating: each frame says only what
// changed since the one before (its time, the turn and thrust pushes, Free
// flight's enemy interval) and what it did (fire and where, a weapon, a
// pause), and a run of frames that change nothing is one frame and a count.
std::string packFrames(const std::vector<ReplayFrame>& frames, float spawnIntervalMs);
// Exactly `count` frames back, every value checked; false with `problem`.
bool unpackFrames(const std::string& bytes, size_t count, float spawnIntervalMs, std::vector<ReplayFrame>& frames,
                  std::string& problem);
