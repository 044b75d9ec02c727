#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "combat/ShipCommand.h"
#include "core/point.h"
#include "pilot/PilotKeys.h"

// A recorded run: what rebuilds it (the data it was played on, its mode,
// difficulty, seed and starting clock, the save it went on from) and each
// frame's time and command, and, once it has ended, its closing figures.

enum class ReplayMode { campaign, freeFlight, endless };

// The figures a run ends with, as its closing line gives them.
struct RunFigures {
    std::string world;
    long long score = 0;
    int kills = 0;
    int deaths = 0;
    long long timeMs = 0;
};

// One frame as the world stepped it.
struct ReplayFrame {
    int frameTime = 0;
    // The command the ship obeyed, and where it fired (a world point).
    ShipCommand command;
    point aim{0, 0};
    // What was asked of the pilot, which adds its part to the command.
    PilotKeys pilot;
    // Free flight's time between enemies, as the frame left it.
    float spawnIntervalMs = 0;
    // The player paused after this frame (shown to the viewer only).
    bool pausedAfter = false;
};

struct ReplayHeader {
    std::string gameVersion;
    uint64_t dataFingerprint = 0;
    ReplayMode mode = ReplayMode::campaign;
    std::string difficulty;
    unsigned seed = 0;
    // An endless run's seed, which makes its worlds and its upgrade offers.
    uint64_t worldSeed = 0;
    // The game clock before the first frame, and when Free flight last sent an enemy.
    uint32_t clock = 0;
    uint32_t spawnClock = 0;
    float spawnIntervalMs = 0;
    // "2024-05-01 18:30:05", local time.
    std::string date;
    // The save the run went on from, as its lines; empty for a new run.
    std::vector<std::string> save;
    // The upgrades chosen, in order, each by its place in what was offered.
    std::vector<int> upgradeChoices;
    bool ended = false;
    RunFigures figures;
};

struct Replay {
    ReplayHeader header;
    std::vector<ReplayFrame> frames;
};

// Replays are at most this large on the disk, and their frames unpacked.
const uintmax_t largestReplayFile = 16u << 20;
const size_t largestReplayBody = 64u << 20;
const size_t mostReplayFrames = 10000000;
const int longestReplayFrameMs = 86400000;

// This build's version of the game, which a replay must have been played on.
const char* gameVersion();
// "campaign", "free flight", "endless".
const char* modeName(ReplayMode mode);
// `Run ended: campaign, world NAME, score S, kills K, deaths D, time M:SS`.
std::string closingLine(ReplayMode mode, const RunFigures& figures);

// The whole file: a short text header, then the frames packed and deflated.
std::string replayText(const Replay& replay);
// Reads a replay from its bytes, checking every part; false with `problem`
// in a few words (and `line`, a header line counted from 1, or 0). With
// `headerOnly`, the frames are not unpacked.
bool parseReplay(const std::string& bytes, Replay& replay, std::string& problem, int& line, bool headerOnly = false);
// The file at `path` read and parsed as above; a problem is one line naming
// the file (and line) on standard output.
bool readReplay(const std::string& path, Replay& replay, bool headerOnly = false);
