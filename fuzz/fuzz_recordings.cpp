// A replay file: read with every check, then written again and read back,
// which must give the same frames.
#include "FuzzSupport.h"
#include "replay/ReplayFile.h"

namespace {
bool sameFrame(const ReplayFrame& a, const ReplayFrame& b) {
    const ShipCommand& x = a.command;
    const ShipCommand& y = b.command;
    return a.frameTime == b.frameTime && x.turnLeft == y.turnLeft && x.turnRight == y.turnRight &&
           x.thrust == y.thrust && x.reverse == y.reverse && x.fire == y.fire && x.weapon == y.weapon &&
           (!x.fire || (a.aim.x == b.aim.x && a.aim.y == b.aim.y)) && a.spawnIntervalMs == b.spawnIntervalMs &&
           a.pausedAfter == b.pausedAfter;
}
}  // namespace

int fuzzRecordings(const uint8_t* data, size_t size) {
    Replay replay;
    std::string problem;
    int line = 0;
    if (!parseReplay(std::string(reinterpret_cast<const char*>(data), size), replay, problem, line)) return 0;
    Replay again;
    if (!parseReplay(replayText(replay), again, problem, line) || again.frames.size() != replay.frames.size()) {
        __builtin_trap();
    }
    for (size_t i = 0; i < replay.frames.size(); ++i) {
        if (!sameFrame(replay.frames[i], again.frames[i])) __builtin_trap();
    }
    return 0;
}
