#include "campaign/WorldSave.h"

#include <algorithm>

#include "campaign/CampaignScript.h"
#include "world/WorldState.h"

namespace {

const int mostCount = 1000000000;
// Waits longer than an hour are not the script's: a save never needs them.
const int mostWaitMs = 3600000;
const int mostReloadMs = 1000000;
const float mostPosition = 1000000;
const float mostSpeed = 1000;
const float mostAngle = 7;
const float mostHealth = 1e9f;
const float mostDamageFactor = 10;
const std::vector<FileLine> noLines;

std::string words(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& value : values) text += " " + value;
    return text + "\n";
}

std::string number(float value, float most) { return exactly(std::clamp(value, -most, most)); }

std::string wavesText(const std::optional<WaveProgress>& waves) {
    if (!waves) return "waves none\n";
    std::string text = "waves" + words({std::to_string(waves->current),
                                        std::to_string(std::clamp(waves->begun, 0, mostCount)),
                                        std::to_string(std::clamp(waves->startsInMs, 0, mostWaitMs))});
    for (const ShipsLineProgress& line : waves->lines) {
        text += "wave_line" +
                words({std::to_string(line.spawned), std::to_string(std::clamp(line.nextInMs, 0, mostWaitMs))});
    }
    return text;
}

std::string shipText(const std::optional<ShipInFlight>& ship) {
    if (!ship) return "ship respawn\n";
    return "ship" + words({number(ship->position.x, mostPosition), number(ship->position.y, mostPosition),
                           number(ship->velocity.x, mostSpeed), number(ship->velocity.y, mostSpeed),
                           number(ship->angle, mostAngle)});
}

std::string enemyText(const SavedEnemy& enemy) {
    return "enemy" + words({std::to_string(enemy.type), std::to_string(enemy.tag),
                            number(enemy.position.x, mostPosition), number(enemy.position.y, mostPosition),
                            number(enemy.velocity.x, mostSpeed),
                            number(enemy.velocity.y, mostSpeed), number(enemy.health, mostHealth),
                            exactly(std::clamp(enemy.damageFactor, 0.0f, mostDamageFactor)),
                            std::to_string(std::clamp(enemy.reloadMs, 0, mostReloadMs))});
}

// Reads the world's lines, the first problem ending it.
class WorldSaveReader {
public:
    WorldSaveReader(const SaveEntries& entries, const SavedWorldFrame& frame, SaveProblem& problem)
        : entries(entries), frame(frame), problem(problem) {
        if (frame.block == nullptr) return;
        for (const Wave& wave : frame.block->waves) {
            for (const ShipsLine& line : wave.ships) typeOfTag.push_back(line.type);
        }
    }

    bool read(WorldProgress& progress) {
        long long kills = 0;
        bool read = readSingle(entry("world_kills"), 0, mostCount, kills, problem) && readWaves(progress) &&
                    readShip(progress) && readOrbits(progress) && readEnemies(progress);
        progress.kills = static_cast<int>(kills);
        return read;
    }

private:
    const FileLine& entry(const char* name) const { return entries.at(name).front(); }

    const std::vector<FileLine>& repeated(const char* name) const {
        auto found = entries.find(name);
        return found == entries.end() ? noLines : found->second;
    }

    bool underWay() const { return frame.block != nullptr && !frame.block->waves.empty() && !frame.cleared; }

    bool readWaves(WorldProgress& progress) {
        const FileLine& line = entry("waves");
        const std::vector<FileLine>& lines = repeated("wave_line");
        if (!underWay()) {
            if (line.words.size() == 2 && line.words[1] == "none" && lines.empty()) return true;
            return problem.fail(line.number, "waves must be \"none\" alone in a cleared world or one without waves");
        }
        WaveProgress waves;
        int last = static_cast<int>(frame.block->waves.size()) - 1;
        if (line.words.size() != 4 || !readWhole(line.words[1], -1, last, waves.current) ||
            !readWhole(line.words[2], 0, mostCount, waves.begun) ||
            !readWhole(line.words[3], 0, mostWaitMs, waves.startsInMs)) {
            return problem.fail(line.number, "waves must be the wave under way (-1 to " + std::to_string(last) +
                                                 "), the waves begun and the ms until it starts");
        }
        std::vector<ShipsLine> ships;
        if (waves.current >= 0) ships = frame.block->waves[static_cast<size_t>(waves.current)].ships;
        if (lines.size() != ships.size()) {
            return problem.fail(lines.empty() ? line.number : lines.back().number,
                                "the wave under way has " + std::to_string(ships.size()) + " ships lines, the save " +
                                    std::to_string(lines.size()) + " wave_line lines");
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            ShipsLineProgress state;
            int total = scaledCount(ships[i].total, frame.countFactor);
            if (lines[i].words.size() != 3 || !readWhole(lines[i].words[1], 0, total, state.spawned) ||
                !readWhole(lines[i].words[2], 0, mostWaitMs, state.nextInMs)) {
                return problem.fail(lines[i].number, "wave_line must be the ships sent (0 to " + std::to_string(total) +
                                                         ") and the ms until the next");
            }
            waves.lines.push_back(state);
        }
        progress.waves = waves;
        return true;
    }

    bool readShip(WorldProgress& progress) {
        const FileLine& line = entry("ship");
        if (line.words.size() == 2 && line.words[1] == "respawn") return true;
        ShipInFlight ship;
        if (line.words.size() == 6 && readNumber(line.words[1], -mostPosition, mostPosition, ship.position.x) &&
            readNumber(line.words[2], -mostPosition, mostPosition, ship.position.y) &&
            readNumber(line.words[3], -mostSpeed, mostSpeed, ship.velocity.x) &&
            readNumber(line.words[4], -mostSpeed, mostSpeed, ship.velocity.y) &&
            readNumber(line.words[5], -mostAngle, mostAngle, ship.angle)) {
            progress.ship = ship;
            return true;
        }
        return problem.fail(line.number, "ship must be \"respawn\" or \"X Y VX VY ANGLE\"");
    }

    bool readOrbits(WorldProgress& progress) {
        const FileLine& line = entry("orbits");
        size_t planets = 0;
        for (const Star& star : frame.world.stars) planets += star.planets.size();
        bool fits = line.words.size() == planets + 1;
        for (size_t i = 1; fits && i < line.words.size(); ++i) {
            float angle = 0;
            fits = readNumber(line.words[i], -mostAngle, mostAngle, angle);
            progress.orbits.push_back(angle);
        }
        return fits || problem.fail(line.number, "orbits must be an angle for each of the world's " +
                                                     std::to_string(planets) + " planets");
    }

    bool readEnemies(WorldProgress& progress) {
        const std::vector<FileLine>& lines = repeated("enemy");
        if (lines.size() > mostSavedEnemies) {
            return problem.fail(lines[mostSavedEnemies].number,
                                "more than " + std::to_string(mostSavedEnemies) + " enemies");
        }
        for (const FileLine& line : lines) {
            SavedEnemy enemy;
            if (!readEnemy(line, enemy)) return false;
            progress.enemies.push_back(enemy);
        }
        return true;
    }

    bool readEnemy(const FileLine& line, SavedEnemy& enemy) {
        int tags = static_cast<int>(typeOfTag.size());
        if (line.words.size() != 10 || !readWhole(line.words[2], 0, tags - 1, enemy.tag) ||
            !readWhole(line.words[1], 0, mostCount, enemy.type) ||
            enemy.type != typeOfTag[static_cast<size_t>(enemy.tag)]) {
            return problem.fail(line.number, "enemy must name a ships line of the world (0 to " +
                                                 std::to_string(tags - 1) + ") and its type");
        }
        bool fits = readNumber(line.words[3], -mostPosition, mostPosition, enemy.position.x) &&
                    readNumber(line.words[4], -mostPosition, mostPosition, enemy.position.y) &&
                    readNumber(line.words[5], -mostSpeed, mostSpeed, enemy.velocity.x) &&
                    readNumber(line.words[6], -mostSpeed, mostSpeed, enemy.velocity.y) &&
                    readNumber(line.words[7], 0, mostHealth, enemy.health) && enemy.health > 0 &&
                    readNumber(line.words[8], 0, mostDamageFactor, enemy.damageFactor) &&
                    readWhole(line.words[9], 0, mostReloadMs, enemy.reloadMs);
        return fits || problem.fail(line.number, "enemy must be TYPE TAG X Y VX VY HULL (above 0) DAMAGE RELOAD, "
                                                 "each within its range");
    }

    const SaveEntries& entries;
    const SavedWorldFrame& frame;
    SaveProblem& problem;
    // The type each ships line of the world sends, numbered through its waves.
    std::vector<int> typeOfTag;
};

}  // namespace

std::string worldSaveText(const WorldProgress& progress) {
    std::string text = "world_kills " + std::to_string(std::clamp(progress.kills, 0, mostCount)) + "\n";
    text += wavesText(progress.waves);
    text += shipText(progress.ship);
    text += "orbits";
    for (float angle : progress.orbits) text += " " + number(angle, mostAngle);
    text += "\n";
    size_t kept = 0;
    for (const SavedEnemy& enemy : progress.enemies) {
        // One about to explode is no longer flying.
        if (enemy.health <= 0 || kept == mostSavedEnemies) continue;
        text += enemyText(enemy);
        ++kept;
    }
    return text;
}

bool readWorldSave(const SaveEntries& entries, const SavedWorldFrame& frame, WorldProgress& progress,
                   SaveProblem& problem) {
    return WorldSaveReader(entries, frame, problem).read(progress);
}
