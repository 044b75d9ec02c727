#include "replay/ReplayFolder.h"

#include <algorithm>
#include <ctime>
#include <functional>

#include "core/DataFile.h"
#include "core/WriteFolder.h"

namespace {

// The replay files in the folder, newest first; at most this many are looked at.
const size_t mostListed = 1000;

std::vector<std::filesystem::path> replayPaths() {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    std::filesystem::directory_iterator entries(replaysFolder(), error);
    for (; !error && entries != std::filesystem::directory_iterator() && files.size() < mostListed;
         entries.increment(error)) {
        const std::filesystem::path& path = entries->path();
        if (path.extension() == replayExtension && entries->is_regular_file(error)) files.push_back(path);
    }
    std::sort(files.begin(), files.end(), std::greater<>());
    return files;
}

bool readHeader(const std::filesystem::path& path, ReplayHeader& header) {
    std::string bytes;
    std::string problem;
    int line = 0;
    Replay replay;
    if (!readDataFile(path.string(), replayFiles, bytes, problem) ||
        !parseReplay(bytes, replay, problem, line, true)) {
        return false;
    }
    header = replay.header;
    return true;
}

}  // namespace

std::filesystem::path replaysFolder() { return writeFolder() / replaysFolderName; }

std::vector<KeptReplay> keptReplays() {
    std::vector<KeptReplay> kept;
    for (const std::filesystem::path& path : replayPaths()) {
        KeptReplay replay{path, {}};
        if (readHeader(path, replay.header)) kept.push_back(replay);
    }
    return kept;
}

bool amongBest(const ReplayHeader& header, const std::vector<RunResult>& best) {
    const RunFigures& f = header.figures;
    bool endless = header.mode == ReplayMode::endless;
    return header.ended && header.mode != ReplayMode::freeFlight &&
           std::any_of(best.begin(), best.end(), [&](const RunResult& result) {
               return result.endless == endless && result.score == f.score && result.kills == f.kills && result.deaths == f.deaths &&
                      result.timeMs == f.timeMs && result.difficulty == header.difficulty;
           });
}

void pruneReplays(const std::vector<RunResult>& best, size_t keep) {
    std::vector<std::filesystem::path> files = replayPaths();
    for (size_t i = keep; i < files.size(); ++i) {
        ReplayHeader header;
        if (readHeader(files[i], header) && amongBest(header, best)) continue;
        std::error_code error;
        std::filesystem::remove(files[i], error);
    }
}

std::string dateNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::string dateAsName(const std::string& date) {
    std::string name;
    for (char c : date) {
        if (c == ' ') name += '-';
        else if (c != ':') name += c;
    }
    return name;
}
