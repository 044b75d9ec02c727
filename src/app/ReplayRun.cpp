#include "app/ReplayRun.h"

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "app/ApplySettings.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Startup.h"
#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"
#include "core/DataFile.h"
#include "core/SeededRandom.h"
#include "endless/EndlessRun.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"

namespace {

// Free flight's runs name no difficulty.
const char* const noDifficulty = "none";

std::string savedText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// What is wrong with the replay here, or "".
std::string misfit(const Replay& replay, const Startup& startup, SavedCampaign& save) {
    const ReplayHeader& header = replay.header;
    if (header.gameVersion != gameVersion()) {
        return "recorded on version " + shortened(header.gameVersion) + " of the game, this is " + gameVersion();
    }
    if (header.dataFingerprint != dataFingerprint(header.mode != ReplayMode::freeFlight)) {
        return "recorded on another data set";
    }
    if (header.mode == ReplayMode::freeFlight) return "";
    if (!startup.campaign) return "a campaign's run, and this data set has no campaign to play";
    if (header.mode == ReplayMode::endless) {
        return endlessPlayable() ? "" : "an endless run, and this data set has too few ship types for one";
    }
    if (!startup.campaignScript.difficulty(header.difficulty)) return "a difficulty this campaign does not have";
    if (header.save.empty()) return "";
    std::string problem;
    int line = 0;
    if (parseSave(startup.campaignScript, startup.campaignUniverse, savedText(header.save), save, problem, line)) {
        return "";
    }
    return "the save it went on from: " + problem;
}

}  // namespace

std::unique_ptr<ReplayRecorder> startRecording(FrameState& state, ReplayMode mode, const std::string& difficulty,
                                               const std::vector<std::string>& save) {
    ReplayHeader header;
    header.gameVersion = gameVersion();
    header.dataFingerprint = dataFingerprint(mode != ReplayMode::freeFlight);
    header.mode = mode;
    header.difficulty = difficulty.empty() ? noDifficulty : difficulty;
    header.seed = static_cast<unsigned>(freshSeed());
    header.clock = state.clockTime;
    header.spawnClock = state.spawnTicks;
    header.spawnIntervalMs = state.spawnIntervalMs;
    header.date = dateNow();
    header.save = save;
    std::srand(header.seed);
    state.freeFlightRun = RunFigures{};
    auto recorder = std::make_unique<ReplayRecorder>(header);
    state.recorder = recorder.get();
    return recorder;
}

std::unique_ptr<ReplayRecorder> recordFreeFlightIfAsked(FrameState& state) {
    if (!state.settings.freeFlightReplays) return nullptr;
    return startRecording(state, ReplayMode::freeFlight, "", {});
}

RunFigures runFigures(const FrameState& state) {
    if (!state.campaign) return state.freeFlightRun;
    const Campaign& campaign = *state.campaign;
    const RunResult& run = campaign.run;
    return RunFigures{campaign.worldName(campaign.world), run.score, run.kills, run.deaths, run.timeMs};
}

void endRun(const FrameState& state) {
    const ReplayHeader* header = state.recorder   ? &state.recorder->replay.header
                                 : state.playback ? &state.playback->replay.header
                                                  : nullptr;
    if (!header) return;
    RunFigures figures = runFigures(state);
    std::cout << closingLine(header->mode, figures) << std::endl;
    if (state.recorder) state.recorder->finish(figures);
}

bool replayFits(const Replay& replay, const Startup& startup, const std::string& file, SavedCampaign& save) {
    std::string problem = misfit(replay, startup, save);
    if (problem.empty()) return true;
    std::cout << file << ": " << problem << "; it is not played" << std::endl;
    return false;
}

void beginReplay(FrameState& state, ReplayPlayback& playback) {
    const ReplayHeader& header = playback.replay.header;
    state.clockTime = header.clock;
    state.spawnTicks = header.spawnClock;
    state.spawnIntervalMs = header.spawnIntervalMs;
    state.freeFlightRun = RunFigures{};
    state.playback = &playback;
    std::srand(header.seed);
}

bool exitAfterReplay() { return std::getenv("RERARA_REPLAY_EXIT") != nullptr; }

int watchWithoutTitle(FrameState& state, Startup& startup, ReplayPlayback& playback) {
    startFreeFlightOverlays(state);
    beginReplay(state, playback);
    while (!playback.finished()) {
        runFrame(state, startup.universe, *startup.font);
        switchWindowIfWanted(state, startup, startup.universe);
    }
    endRun(state);
    return 0;
}
