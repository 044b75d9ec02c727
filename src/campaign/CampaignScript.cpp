#include "campaign/CampaignScript.h"

#include <algorithm>
#include <cmath>

#include "assets/DataReport.h"
#include "campaign/LineReader.h"
#include "core/DataFile.h"

namespace {

const int highestWorld = 9999;
const float farthest = 400000;  // past the far corner of a world's square
const int longestWaitMs = 600000;
const int mostPoints = 1000000;
const int mostShips = 10000;
const int mostAtOnce = 200;
const float largestFactor = 10;
// The soft edge: beyond the view's reach of a world's centre, within the world.
const float leastEdge = 5000;
const float mostEdge = 100000;

// The file's lines in order, into the script; then the checks that need
// the whole file.
class ScriptReader {
public:
    ScriptReader(CampaignScript& script, DataReport& report, size_t shipTypes)
        : script(script), report(report), lastType(static_cast<int>(shipTypes) - 1) {
        script.points.assign(shipTypes, 0);
    }

    void read(LineReader& in) {
        const std::string& key = in.keyword();
        if (key == "start") {
            if (in.needs(1)) in.whole(0, "start world", 0, highestWorld, script.startWorld);
        } else if (key == "spawn") {
            readSpawn(in);
        } else if (key == "escape") {
            if (in.needs(1) && in.number(0, "escape distance", 0, farthest, script.escapeDistance)) {
                escapeLine = in.line;
            }
        } else if (key == "respawn") {
            if (in.needs(1)) in.whole(0, "respawn time", 0, longestWaitMs, script.respawnMs);
        } else if (key == "deathcost") {
            if (in.needs(1)) in.number(0, "death cost", 0, 100, script.deathCostPercent);
        } else if (key == "repair") {
            if (in.needs(1)) in.number(0, "repair rate", 0, 1e6f, script.repairPerSecond);
        } else if (key == "edge") {
            if (in.needs(1)) in.number(0, "edge distance", leastEdge, mostEdge, script.edgeDistance);
        } else if (key == "shield") {
            readShield(in);
        } else if (key == "laser_reach") {
            if (in.needs(1)) in.number(0, "laser reach", 0, farthest, script.laserReach);
        } else if (key == "assist") {
            if (in.needs(1)) in.number(0, "assist time", leastAssistMs, mostAssistMs, script.flight.assistMs);
        } else if (key == "brake") {
            if (in.needs(1)) in.number(0, "brake", leastBrake, mostBrake, script.flight.brake);
        } else if (key == "cruise") {
            if (in.needs(1)) in.number(0, "cruise speed", leastCruise, mostCruise, script.flight.cruise);
        } else if (key == "points") {
            readPoints(in);
        } else if (key == "difficulty") {
            readDifficulty(in);
        } else if (key == "world") {
            readWorld(in);
        } else if (key == "goal" || key == "bonus" || key == "wave" || key == "ships" || key == "final") {
            readBlockLine(in);
        } else {
            in.fail("unknown keyword \"" + shortened(key) + "\"");
        }
    }

    void finish() {
        for (const WorldScript& world : script.worlds) {
            if (world.goal == WorldGoal::kills && world.waves.empty()) {
                report.fail(world.line, "world " + std::to_string(world.world) +
                                            " has a kills goal but no wave to destroy");
            }
        }
        for (size_t i = 0; i < script.worlds.size(); ++i) {
            for (size_t w = 0; w < script.worlds[i].waves.size(); ++w) {
                if (script.worlds[i].waves[w].ships.empty()) report.fail(waveLines[i][w], "wave has no ships line");
            }
        }
        bool winnable = false;
        for (const WorldScript& world : script.worlds) winnable = winnable || world.final;
        if (!winnable) report.fail(0, "no world block is marked final, so the campaign cannot be won");
        if (script.escapeDistance <= script.spawnMost) {
            report.fail(escapeLine, "escape distance " + describe(script.escapeDistance) +
                                        " must be beyond the farthest spawn distance " +
                                        describe(script.spawnMost) + ", or enemies get away as they arrive");
        }
        if (script.difficulties.empty()) script.difficulties.push_back(Difficulty{"normal", 1, 1, 1});
        warnOfCrowdedWaves();
    }

private:
    // A wave that could have more ships alive at once than the game lets in,
    // at the difficulty that counts the most.
    void warnOfCrowdedWaves() {
        float factor = 0;
        for (const Difficulty& difficulty : script.difficulties) factor = std::max(factor, difficulty.countFactor);
        for (size_t i = 0; i < script.worlds.size(); ++i) {
            for (size_t w = 0; w < script.worlds[i].waves.size(); ++w) {
                long long alive = 0;
                for (const ShipsLine& ships : script.worlds[i].waves[w].ships) {
                    alive += std::min(scaledCount(ships.cap, factor), scaledCount(ships.total, factor));
                }
                if (alive <= mostAliveInWave) continue;
                report.warn(waveLines[i][w], "wave can have " + std::to_string(alive) +
                                                 " ships alive at once; at most " +
                                                 std::to_string(mostAliveInWave) + " are let in");
            }
        }
    }

    void readSpawn(LineReader& in) {
        float least = 0;
        float most = 0;
        if (!in.needs(2) || !in.number(0, "least spawn distance", 0, farthest, least) ||
            !in.number(1, "most spawn distance", 0, farthest, most)) {
            return;
        }
        if (least > most) {
            in.fail("least spawn distance " + describe(least) + " is beyond the most " + describe(most));
            return;
        }
        script.spawnLeast = least;
        script.spawnMost = most;
    }

    void readPoints(LineReader& in) {
        int type = 0;
        int points = 0;
        if (in.needs(2) && in.whole(0, "ship type", 0, lastType, type) &&
            in.whole(1, "points", 0, mostPoints, points)) {
            script.points[static_cast<size_t>(type)] = points;
        }
    }

    void readDifficulty(LineReader& in) {
        Difficulty difficulty;
        if (!in.needs(4)) return;
        difficulty.name = in.word(0);
        if (!in.number(1, "enemy count factor", 0.1f, largestFactor, difficulty.countFactor) ||
            !in.number(2, "damage factor", 0, largestFactor, difficulty.damageFactor) ||
            !in.number(3, "score factor", 0, largestFactor, difficulty.scoreFactor)) {
            return;
        }
        if (script.difficulty(difficulty.name) != nullptr) {
            in.fail("difficulty " + shortened(difficulty.name) + " is named twice");
            return;
        }
        script.difficulties.push_back(difficulty);
    }

    void readWorld(LineReader& in) {
        // Lines up to the next world line belong to this one, even when it is wrong.
        inBlock = false;
        sawWorld = true;
        WorldScript world;
        world.line = in.line;
        if (in.valueCount() < 2) {
            in.fail("world needs a number and a name");
            return;
        }
        if (!in.whole(0, "world number", 0, highestWorld, world.world)) return;
        if (script.world(world.world) != nullptr) {
            in.fail("world " + std::to_string(world.world) + " has a block already");
            return;
        }
        world.name = in.rest(1);
        script.worlds.push_back(world);
        waveLines.emplace_back();
        inBlock = true;
    }

    void readBlockLine(LineReader& in) {
        if (!inBlock) {
            if (!sawWorld) in.fail(in.keyword() + " comes before any world line");
            return;
        }
        WorldScript& world = script.worlds.back();
        const std::string& key = in.keyword();
        if (key == "goal") {
            readGoal(in, world);
        } else if (key == "bonus") {
            if (in.needs(1)) in.whole(0, "bonus", 0, mostPoints, world.bonus);
        } else if (key == "wave") {
            readWave(in, world);
        } else if (key == "ships") {
            readShips(in, world);
        } else if (in.needs(0)) {
            world.final = true;
        }
    }

    // "wave", or "wave DELAY" with the time before its first ships.
    void readWave(LineReader& in, WorldScript& world) {
        Wave wave;
        if (in.valueCount() > 0 && (!in.needs(1) || !in.whole(0, "wave delay", 0, longestWaitMs, wave.delayMs))) {
            return;
        }
        world.waves.push_back(wave);
        waveLines.back().push_back(in.line);
    }

    void readShield(LineReader& in) {
        ShieldScript shield;
        if (in.needs(3) && in.number(0, "shield capacity", 0, 1e6f, shield.capacity) &&
            in.whole(1, "shield quiet time", 0, longestWaitMs, shield.quietMs) &&
            in.number(2, "shield recharge", 0, 1e6f, shield.perSecond)) {
            script.shield = shield;
        }
    }

    void readGoal(LineReader& in, WorldScript& world) {
        if (in.valueCount() >= 1 && in.word(0) == "waves") {
            if (in.needs(1)) world.goal = WorldGoal::waves;
        } else if (in.valueCount() >= 1 && in.word(0) == "kills") {
            if (in.needs(2) && in.whole(1, "kills", 1, mostShips, world.killTarget)) world.goal = WorldGoal::kills;
        } else {
            in.fail("goal must be \"kills N\" or \"waves\"");
        }
    }

    void readShips(LineReader& in, WorldScript& world) {
        if (world.waves.empty()) {
            in.fail("ships comes before any wave line of its world");
            return;
        }
        ShipsLine ships;
        if (in.needs(5) && in.whole(0, "ship type", 0, lastType, ships.type) &&
            in.whole(1, "total", 1, mostShips, ships.total) && in.whole(2, "at once", 1, mostAtOnce, ships.atOnce) &&
            in.whole(3, "interval", 0, longestWaitMs, ships.intervalMs) &&
            in.whole(4, "most alive", 1, mostAtOnce, ships.cap)) {
            world.waves.back().ships.push_back(ships);
        }
    }

    CampaignScript& script;
    DataReport& report;
    int lastType;
    int escapeLine = 0;
    bool sawWorld = false;
    // A wrong world line leaves its block's lines unread, not given to the block before.
    bool inBlock = false;
    // By world block, where each wave line is.
    std::vector<std::vector<int>> waveLines;
};

}  // namespace

const WorldScript* CampaignScript::world(int number) const {
    for (const WorldScript& block : worlds) {
        if (block.world == number) return &block;
    }
    return nullptr;
}

const Difficulty* CampaignScript::difficulty(const std::string& name) const {
    for (const Difficulty& choice : difficulties) {
        if (choice.name == name) return &choice;
    }
    return nullptr;
}

std::vector<std::string> CampaignScript::difficultyNames() const {
    std::vector<std::string> names;
    for (const Difficulty& choice : difficulties) names.push_back(choice.name);
    return names;
}

int scaledCount(int count, float factor) { return std::max(1, static_cast<int>(std::lround(count * factor))); }

int CampaignScript::pointsFor(int type) const {
    if (type < 0 || static_cast<size_t>(type) >= points.size()) return 0;
    return points[static_cast<size_t>(type)];
}

bool readCampaignScript(const std::string& fileName, size_t shipTypes, CampaignScript& script) {
    DataReport report(fileName);
    ScriptReader reader(script, report, shipTypes);
    if (!readKeywordLines(fileName, report, [&reader](LineReader& in) { reader.read(in); })) return false;
    reader.finish();
    return !report.failed();
}
