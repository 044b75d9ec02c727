#include "campaign/SaveFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include "assets/DataReport.h"
#include "campaign/Campaign.h"
#include "campaign/CampaignScript.h"
#include "campaign/SaveText.h"
#include "campaign/WorldSave.h"
#include "core/Constants.h"
#include "core/WriteFolder.h"
#include "world/Universe.h"

namespace {

const int savedVersion = 2;
// Best results gained a mode and a seed in version 2; version 1's lines still read.
const int resultsVersion = 2;
const long long mostCount = 1000000000LL;
const long long mostScore = 1000000000000LL;
const float mostHealth = 1e9f;
// The lines every save has, each once.
const std::vector<std::string> runEntryNames{"difficulty", "world", "cleared", "score", "kills",
                                             "deaths",     "time",  "respawn", "health"};
// The run's seed (once at most) and the upgrades taken (one line each), when it has them.
const char* const seedEntry = "seed";
const char* const upgradeEntry = "upgrade";

std::filesystem::path inWriteFolder(const char* name) { return writeFolder() / name; }

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A run kept within what the reader takes back: a run that long or that
// rich is saved at the limit rather than refused when continued.
RunResult withinLimits(RunResult run) {
    run.score = std::clamp(run.score, 0LL, mostScore);
    run.timeMs = std::clamp(run.timeMs, 0LL, mostScore);
    run.kills = static_cast<int>(std::clamp(static_cast<long long>(run.kills), 0LL, mostCount));
    run.deaths = static_cast<int>(std::clamp(static_cast<long long>(run.deaths), 0LL, mostCount));
    return run;
}

// N of a first line "version N", 0 when the file has none.
int versionOf(const std::vector<FileLine>& lines) {
    int version = 0;
    bool named = !lines.empty() && lines[0].words.size() == 2 && lines[0].words[0] == "version";
    return named && readWhole(lines[0].words[1], 1, 1000000, version) ? version : 0;
}

// A seed: all of a uint64_t, in decimal digits alone.
bool readSeed(const std::string& text, uint64_t& seed) {
    if (text.empty() || text.size() > 20 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE) return false;
    seed = value;
    return true;
}

// Reads the save's lines against the campaign; the first problem ends it.
// A save of version 1 has no world's progress: its world starts again.
class SaveReader {
public:
    SaveReader(const CampaignScript& script, const Universe& universe) : script(script), universe(universe) {}

    bool read(const std::vector<FileLine>& lines, SavedCampaign& save) {
        version = versionOf(lines);
        if (version == 0) return problem.fail(lines.empty() ? 0 : lines[0].number, "not a campaign save of this game");
        if (version > savedVersion) return problem.fail(lines[0].number, "saved by a later version of the game");
        if (!collect(lines) || !readRun(save.run) || !readWorlds(save) || !readRespawn(save) || !readHealth(save)) {
            return false;
        }
        return version == 1 || (readWorld(save) && readRunSeed(save.run) && readUpgrades(save));
    }

    int version = 0;
    SaveProblem problem;

private:
    bool collect(const std::vector<FileLine>& lines) {
        bool current = version == savedVersion;
        for (size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].tooLong) {
                return problem.fail(lines[i].number, "longer than " + std::to_string(longestSaveLine) + " characters");
            }
            const std::string& name = lines[i].words[0];
            bool repeats = current && (listed(repeatedEntryNames, name) || name == upgradeEntry);
            bool single = listed(runEntryNames, name) || (current && (listed(worldEntryNames, name) || name == seedEntry));
            if (!repeats && !single) {
                return problem.fail(lines[i].number, "unknown entry \"" + shortened(name) + "\"");
            }
            std::vector<FileLine>& given = entries[name];
            if (!repeats && !given.empty()) return problem.fail(lines[i].number, name + " is given twice");
            given.push_back(lines[i]);
        }
        std::vector<std::string> needed = runEntryNames;
        if (current) needed.insert(needed.end(), worldEntryNames.begin(), worldEntryNames.end());
        for (const std::string& name : needed) {
            if (entries.count(name) == 0) return problem.fail(0, "no " + name + " line");
        }
        return true;
    }

    const FileLine& entry(const char* name) { return entries.at(name).front(); }

    bool single(const char* name, long long lo, long long hi, long long& out) {
        return readSingle(entry(name), lo, hi, out, problem);
    }

    bool readRun(RunResult& run) {
        const FileLine& difficulty = entry("difficulty");
        if (difficulty.words.size() != 2 || script.difficulty(difficulty.words[1]) == nullptr) {
            return problem.fail(difficulty.number, "not a difficulty of this campaign");
        }
        run.difficulty = difficulty.words[1];
        long long kills = 0;
        long long deaths = 0;
        bool read = single("score", 0, mostScore, run.score) && single("kills", 0, mostCount, kills) &&
                    single("deaths", 0, mostCount, deaths) && single("time", 0, mostScore, run.timeMs);
        run.kills = static_cast<int>(kills);
        run.deaths = static_cast<int>(deaths);
        return read;
    }

    bool readWorlds(SavedCampaign& save) {
        long long last = static_cast<long long>(universe.worlds.size()) - 1;
        long long world = 0;
        if (!single("world", 0, last, world)) return false;
        save.world = static_cast<int>(world);
        const FileLine& cleared = entry("cleared");
        for (size_t i = 1; i < cleared.words.size(); ++i) {
            long long number = 0;
            if (!readWhole(cleared.words[i], 0, last, number)) {
                return problem.fail(cleared.number, "cleared world \"" + shortened(cleared.words[i]) +
                                                        "\" is not a world of this campaign");
            }
            save.cleared.push_back(static_cast<int>(number));
        }
        return true;
    }

    bool readRespawn(SavedCampaign& save) {
        const FileLine& line = entry("respawn");
        const std::vector<Star>& stars = universe.worlds[static_cast<size_t>(save.world)].stars;
        RespawnPoint& respawn = save.respawn;
        bool fits = false;
        if (line.words.size() == 4 && line.words[1] == "planet") {
            long long star = 0;
            long long planet = 0;
            fits = readWhole(line.words[2], 0, static_cast<long long>(stars.size()) - 1, star) &&
                   readWhole(line.words[3], 0, static_cast<long long>(stars[static_cast<size_t>(star)].planets.size()) - 1,
                             planet);
            respawn = RespawnPoint{static_cast<int>(star), static_cast<int>(planet), point{0, 0}};
        } else if (line.words.size() == 4 && line.words[1] == "point") {
            fits = readNumber(line.words[2], -XBOUND, XBOUND, respawn.position.x) &&
                   readNumber(line.words[3], -YBOUND, YBOUND, respawn.position.y);
        }
        return fits ||
               problem.fail(line.number, "respawn must be \"planet STAR PLANET\" of the saved world or \"point X Y\"");
    }

    bool readHealth(SavedCampaign& save) {
        const FileLine& line = entry("health");
        if (line.words.size() == 2 && readNumber(line.words[1], 0, mostHealth, save.health) && save.health > 0) {
            return true;
        }
        return problem.fail(line.number, "health must be a number above 0");
    }

    bool readWorld(SavedCampaign& save) {
        bool cleared = std::find(save.cleared.begin(), save.cleared.end(), save.world) != save.cleared.end();
        SavedWorldFrame frame{script.world(save.world), cleared, script.difficulty(save.run.difficulty)->countFactor,
                              universe.worlds[static_cast<size_t>(save.world)]};
        WorldProgress here;
        if (!readWorldSave(entries, frame, here, problem)) return false;
        save.here = here;
        return true;
    }

    bool readRunSeed(RunResult& run) {
        if (entries.count(seedEntry) == 0) return true;
        const FileLine& line = entry(seedEntry);
        return (line.words.size() == 2 && readSeed(line.words[1], run.seed)) ||
               problem.fail(line.number, "seed must be a whole number from 0");
    }

    bool readUpgrades(SavedCampaign& save) {
        for (const FileLine& line : entries[upgradeEntry]) {
            Upgrade upgrade;
            std::vector<std::string> words(line.words.begin() + 1, line.words.end());
            std::string wrong = upgradeFromWords(words, upgrade);
            if (!wrong.empty()) return problem.fail(line.number, wrong);
            save.upgrades.push_back(upgrade);
        }
        return true;
    }

    const CampaignScript& script;
    const Universe& universe;
    SaveEntries entries;
};

std::string resultLine(const RunResult& result) {
    return "result " + std::to_string(result.score) + " " + std::to_string(result.kills) + " " +
           std::to_string(result.deaths) + " " + std::to_string(result.timeMs) + " " + result.difficulty + " " +
           (result.endless ? "endless " : "campaign ") + std::to_string(result.seed) + " " +
           std::to_string(result.worlds) + "\n";
}

// Version 2's MODE SEED WORLDS after version 1's six words.
bool readResultMode(const FileLine& line, RunResult& result) {
    if (line.words.size() == 6) return true;
    long long worlds = 0;
    if (line.words.size() != 9 || (line.words[6] != "campaign" && line.words[6] != "endless") ||
        !readSeed(line.words[7], result.seed) || !readWhole(line.words[8], 0, mostCount, worlds)) {
        return false;
    }
    result.endless = line.words[6] == "endless";
    result.worlds = static_cast<int>(worlds);
    return true;
}

bool readResult(const FileLine& line, RunResult& result) {
    long long kills = 0;
    long long deaths = 0;
    if (line.words.size() < 6 || line.words[0] != "result" || !readWhole(line.words[1], 0, mostScore, result.score) ||
        !readWhole(line.words[2], 0, mostCount, kills) || !readWhole(line.words[3], 0, mostCount, deaths) ||
        !readWhole(line.words[4], 0, mostScore, result.timeMs)) {
        return false;
    }
    result.kills = static_cast<int>(kills);
    result.deaths = static_cast<int>(deaths);
    result.difficulty = line.words[5];
    return readResultMode(line, result);
}

bool betterThan(const RunResult& a, const RunResult& b) { return a.score > b.score; }

// Best first, and no more than are kept of each mode.
void keepBestOfEachMode(std::vector<RunResult>& results) {
    std::stable_sort(results.begin(), results.end(), betterThan);
    std::map<std::string, size_t> counted;
    results.erase(std::remove_if(results.begin(), results.end(),
                                 [&](const RunResult& result) { return ++counted[modeOf(result)] > bestResultsKept; }),
                  results.end());
}

std::vector<RunResult> ofMode(const std::vector<RunResult>& results, const std::string& mode) {
    std::vector<RunResult> kept;
    for (const RunResult& result : results) {
        if (modeOf(result) == mode) kept.push_back(result);
    }
    return kept;
}

}  // namespace

WriteResult writeSave(const SavedCampaign& kept) {
    return replaceFile(inWriteFolder(saveFileName), saveText(kept), "Could not write ", true);
}

std::string saveText(const SavedCampaign& kept) {
    SavedCampaign save = kept;
    save.run = withinLimits(save.run);
    save.health = std::min(save.health > 0 ? save.health : 1.0f, mostHealth);
    save.respawn.position = point{std::clamp(save.respawn.position.x, -XBOUND, XBOUND),
                                  std::clamp(save.respawn.position.y, -YBOUND, YBOUND)};
    std::string text = "version " + std::to_string(save.here ? savedVersion : 1) + "\n";
    text += "difficulty " + save.run.difficulty + "\n";
    text += "world " + std::to_string(save.world) + "\n";
    text += "cleared";
    for (int world : save.cleared) text += " " + std::to_string(world);
    text += "\nscore " + std::to_string(save.run.score) + "\n";
    text += "kills " + std::to_string(save.run.kills) + "\n";
    text += "deaths " + std::to_string(save.run.deaths) + "\n";
    text += "time " + std::to_string(save.run.timeMs) + "\n";
    const RespawnPoint& respawn = save.respawn;
    text += respawn.onPlanet()
                ? "respawn planet " + std::to_string(respawn.star) + " " + std::to_string(respawn.planet) + "\n"
                : "respawn point " + exactly(respawn.position.x) + " " + exactly(respawn.position.y) + "\n";
    text += "health " + exactly(save.health) + "\n";
    if (save.here) text += worldSaveText(*save.here);
    if (save.here) {
        text += std::string(seedEntry) + " " + std::to_string(save.run.seed) + "\n";
        for (const Upgrade& upgrade : save.upgrades) text += std::string(upgradeEntry) + " " + upgradeWords(upgrade) + "\n";
    }
    return text;
}

bool parseSave(const CampaignScript& script, const Universe& universe, const std::string& text, SavedCampaign& save,
               std::string& problem, int& line) {
    SaveReader reader(script, universe);
    SavedCampaign read;
    bool fine = reader.read(linesOf(text), read);
    problem = reader.problem.what;
    line = reader.problem.line;
    if (fine) save = read;
    return fine;
}

bool readSave(const CampaignScript& script, const Universe& universe, SavedCampaign& save) {
    std::filesystem::path path = inWriteFolder(saveFileName);
    std::string text;
    std::string problem;
    int line = 0;
    if (!readDataText(path.string(), playerFiles, text, problem)) {
        if (problem == missingFile) return false;
    } else if (parseSave(script, universe, text, save, problem, line)) {
        bool cleared = std::find(save.cleared.begin(), save.cleared.end(), save.world) != save.cleared.end();
        if (!save.here && !cleared) {
            std::cout << path.string() << ": saved by an earlier version of the game; "
                      << worldNameIn(script, universe, save.world) << " starts again" << std::endl;
        }
        return true;
    }
    std::cout << path.string();
    if (line > 0) std::cout << " line " << line;
    std::cout << ": " << problem << "; the save is not used" << std::endl;
    return false;
}

void removeSave() {
    std::error_code error;
    std::filesystem::remove(inWriteFolder(saveFileName), error);
}

std::vector<RunResult> readBestResults() {
    std::filesystem::path path = inWriteFolder(bestResultsFileName);
    std::vector<RunResult> results;
    std::string text;
    std::string problem;
    if (!readDataText(path.string(), playerFiles, text, problem)) {
        if (problem != missingFile) std::cout << path.string() << ": " << problem << "; it is not used" << std::endl;
        return results;
    }
    std::vector<FileLine> lines = linesOf(text);
    int version = versionOf(lines);
    if (version < 1 || version > resultsVersion) {
        std::cout << path.string() << ": not a best results file of this game; it is not used" << std::endl;
        return results;
    }
    int firstBad = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        RunResult result;
        if (readResult(lines[i], result)) {
            results.push_back(result);
        } else if (firstBad == 0) {
            firstBad = lines[i].number;
        }
    }
    if (firstBad > 0) {
        std::cout << path.string() << " line " << firstBad << ": not a result; such lines are left out" << std::endl;
    }
    keepBestOfEachMode(results);
    return results;
}

size_t recordBestResult(const RunResult& result, std::vector<RunResult>& results) {
    std::vector<RunResult> all = readBestResults();
    results = ofMode(all, modeOf(result));
    auto place = std::upper_bound(results.begin(), results.end(), result, betterThan);
    size_t index = static_cast<size_t>(place - results.begin());
    if (index >= bestResultsKept) return 0;
    results.insert(place, withinLimits(result));
    if (results.size() > bestResultsKept) results.resize(bestResultsKept);
    all.push_back(withinLimits(result));
    keepBestOfEachMode(all);
    std::string text = "version " + std::to_string(resultsVersion) + "\n";
    for (const RunResult& kept : all) text += resultLine(kept);
    replaceFile(inWriteFolder(bestResultsFileName), text, "Could not write ");
    return index + 1;
}
