#pragma once

#include <memory>
#include <string>
#include <vector>

#include "replay/ReplayFile.h"

class FrameState;
class ReplayRecorder;
class Startup;
struct ReplayPlayback;
struct SavedCampaign;

// Every run is recorded from its first frame, so that it can be played
// again exactly; these are the run's first and last moments, in play and
// in a replay.

// A run starts now: std::rand is seeded with a new seed, which the file
// keeps with the clock, the data and the save the run goes on from (its
// lines; none for a new run). The frame state records into it.
std::unique_ptr<ReplayRecorder> startRecording(FrameState& state, ReplayMode mode, const std::string& difficulty,
                                               const std::vector<std::string>& save);
// Free flight is recorded only when the player asked for it: the recording, or null.
std::unique_ptr<ReplayRecorder> recordFreeFlightIfAsked(FrameState& state);
// The figures a run stands at: the campaign's, or Free flight's own.
RunFigures runFigures(const FrameState& state);
// The run is over (quit, won, or a replay played to its end): its closing
// line, and its recording finished. A Free flight not recorded says nothing.
void endRun(const FrameState& state);

// Whether `replay` was played on this game and this data set, and can be
// rebuilt here (its campaign, difficulty and save); else one line naming
// `file` and why it is refused. `save` gets the save it went on from.
bool replayFits(const Replay& replay, const Startup& startup, const std::string& file, SavedCampaign& save);
// Sets the frame state as the run's first frame found it and seeds
// std::rand as the run did; the universe and the campaign are the caller's.
void beginReplay(FrameState& state, ReplayPlayback& playback);
// Tests watch a replay to its closing line and stop (RERARA_REPLAY_EXIT).
bool exitAfterReplay();
// A replay of Free flight on a data set without a campaign: played to its
// end on start-up's universe, then the closing line; the status to exit with.
int watchWithoutTitle(FrameState& state, Startup& startup, ReplayPlayback& playback);
