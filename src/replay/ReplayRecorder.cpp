#include "replay/ReplayRecorder.h"

#include <iostream>

#include "campaign/SaveFile.h"
#include "core/WriteFolder.h"
#include "replay/ReplayFolder.h"

namespace {

const int writeEveryMs = 60000;

// The date's name, with a number after it when a run of the same second has it.
std::filesystem::path freeName(const std::string& date) {
    std::filesystem::path base = replaysFolder() / dateAsName(date);
    std::filesystem::path path = base.string() + replayExtension;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(path, error); ++n) {
        path = base.string() + "-" + std::to_string(n) + replayExtension;
    }
    return path;
}

}  // namespace

ReplayRecorder::ReplayRecorder(const ReplayHeader& header) {
    replay.header = header;
    std::string detail;
    std::string reason = makeFolders(replaysFolder(), detail);
    if (!reason.empty()) {
        std::cout << "Could not record the run in " << replaysFolder().string() << ": " << reason << std::endl;
        failed = true;
        return;
    }
    // Room for this one beside the last ones kept.
    pruneReplays(readBestResults(), replaysKept - 1);
    path = freeName(header.date);
}

void ReplayRecorder::addFrame(const ReplayFrame& frame) {
    replay.frames.push_back(frame);
    msSinceWritten += frame.frameTime;
    if (msSinceWritten >= writeEveryMs) write();
}

void ReplayRecorder::notePause() {
    if (!replay.frames.empty()) replay.frames.back().pausedAfter = true;
}

void ReplayRecorder::finish(const RunFigures& figures) {
    replay.header.ended = true;
    replay.header.figures = figures;
    write();
}

void ReplayRecorder::write() {
    msSinceWritten = 0;
    if (failed) return;
    failed = !replaceFile(path, replayText(replay), "Could not write ").written;
}
