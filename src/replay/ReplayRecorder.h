#pragma once

#include <filesystem>

#include "replay/ReplayFile.h"

// The run being played, written to a file of its own in the replays folder
// as it goes: every minute of play, and whole once it ends, so a crash
// keeps most of it.
class ReplayRecorder {
public:
    // Names the file by the date and makes room among the kept replays.
    explicit ReplayRecorder(const ReplayHeader& header);
    void addFrame(const ReplayFrame& frame);
    // The player paused after the last frame.
    void notePause();
    // The run is over: its closing figures go into the file.
    void finish(const RunFigures& figures);

    Replay replay;
    std::filesystem::path path;

private:
    void write();

    int msSinceWritten = 0;
    // Once a write has failed (and said so), the run is not written again.
    bool failed = false;
};
