#include "campaign/SaveFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "assets/DataReport.h"
#include "campaign/CampaignScript.h"
#include "core/Constants.h"
#include "core/Numbers.h"
#include "core/WriteFolder.h"
#include "world/Universe.h"

namespace {

const char* const versionLine = "version 1";
// Best results gained a mode and a seed in version 2; version 1's lines still read.
const char* const bestResultsVersion = "version 2";
const long long mostCount = 1000000000LL;
const long long mostScore = 1000000000000LL;
const size_t longestWhole = 15;
const size_t longestLine = 1000;
const float mostHealth = 1e9f;

std::filesystem::path inWriteFolder(const char* name) { return writeFolder() / name; }

std::string exactly(float value) {
    std::ostringstream text;
    text.precision(9);
    text << value;
    return text.str();
}

// The lines of a small "name value ..." file, each split into words; a line
// longer than any the game writes is kept unsplit, as too long.
struct FileLine {
    int number;
    std::vector<std::string> words;
    bool tooLong = false;
};

std::vector<FileLine> linesOf(const std::string& text) {
    std::vector<FileLine> lines;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.size() > longestLine) {
            lines.push_back(FileLine{number, {}, true});
            continue;
        }
        std::istringstream words(line);
        FileLine read{number, {}};
        for (std::string word; words >> word;) read.words.push_back(word);
        if (!read.words.empty()) lines.push_back(read);
    }
    return lines;
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

bool isVersionLine(const std::vector<FileLine>& lines, const char* version = versionLine) {
    return !lines.empty() && lines[0].words.size() == 2 && lines[0].words[0] + " " + lines[0].words[1] == version;
}

bool readWhole(const std::string& text, long long lo, long long hi, long long& out) {
    size_t digits = text[0] == '-' ? 1 : 0;
    if (text.size() == digits || text.size() > longestWhole ||
        text.find_first_not_of("0123456789", digits) != std::string::npos) {
        return false;
    }
    long long value = std::stoll(text);
    if (value < lo || value > hi) return false;
    out = value;
    return true;
}

bool readNumber(const std::string& text, float lo, float hi, float& out) {
    if (numberPrefixLength(text) != text.size()) return false;
    float value = leadingNumber(text);
    if (!std::isfinite(value) || value < lo || value > hi) return false;
    out = value;
    return true;
}

// Reads the save's lines against the campaign; the first problem ends it.
class SaveReader {
public:
    SaveReader(const CampaignScript& script, const Universe& universe) : script(script), universe(universe) {}

    bool read(const std::vector<FileLine>& lines, SavedCampaign& save) {
        if (!isVersionLine(lines)) return fail(lines.empty() ? 0 : lines[0].number, "not a campaign save of this game");
        for (size_t i = 1; i < lines.size(); ++i) {
            if (lines[i].tooLong) {
                return fail(lines[i].number, "longer than " + std::to_string(longestLine) + " characters");
            }
            const std::string& name = lines[i].words[0];
            if (std::find(names.begin(), names.end(), name) == names.end()) {
                return fail(lines[i].number, "unknown entry \"" + shortened(name) + "\"");
            }
            if (!entries.emplace(name, lines[i]).second) return fail(lines[i].number, name + " is given twice");
        }
        for (const std::string& name : names) {
            if (entries.count(name) == 0) return fail(0, "no " + name + " line");
        }
        return readRun(save.run) && readWorlds(save) && readRespawn(save) && readHealth(save);
    }

    int problemLine = 0;
    std::string problem;

private:
    bool fail(int line, const std::string& what) {
        problemLine = line;
        problem = what;
        return false;
    }

    const FileLine& entry(const char* name) { return entries.at(name); }

    bool single(const char* name, long long lo, long long hi, long long& out) {
        const FileLine& line = entry(name);
        if (line.words.size() == 2 && readWhole(line.words[1], lo, hi, out)) return true;
        return fail(line.number, std::string(name) + " must be one whole number from " + std::to_string(lo) +
                                     " to " + std::to_string(hi));
    }

    bool readRun(RunResult& run) {
        const FileLine& difficulty = entry("difficulty");
        if (difficulty.words.size() != 2 || script.difficulty(difficulty.words[1]) == nullptr) {
            return fail(difficulty.number, "not a difficulty of this campaign");
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
                return fail(cleared.number, "cleared world \"" + shortened(cleared.words[i]) +
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
        return fits || fail(line.number, "respawn must be \"planet STAR PLANET\" of the saved world or \"point X Y\"");
    }

    bool readHealth(SavedCampaign& save) {
        const FileLine& line = entry("health");
        if (line.words.size() == 2 && readNumber(line.words[1], 0, mostHealth, save.health) && save.health > 0) {
            return true;
        }
        return fail(line.number, "health must be a number above 0");
    }

    const CampaignScript& script;
    const Universe& universe;
    const std::vector<std::string> names{"difficulty", "world", "cleared", "score", "kills",
                                         "deaths",     "time",  "respawn", "health"};
    std::map<std::string, FileLine> entries;
};

std::string resultLine(const RunResult& result) {
    return "result " + std::to_string(result.score) + " " + std::to_string(result.kills) + " " +
           std::to_string(result.deaths) + " " + std::to_string(result.timeMs) + " " + result.difficulty + " " +
           (result.endless ? "endless " : "campaign ") + std::to_string(result.seed) + " " +
           std::to_string(result.worlds) + "\n";
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
    SavedCampaign save = kept;
    save.run = withinLimits(save.run);
    save.health = std::min(save.health > 0 ? save.health : 1.0f, mostHealth);
    save.respawn.position = point{std::clamp(save.respawn.position.x, -XBOUND, XBOUND),
                                  std::clamp(save.respawn.position.y, -YBOUND, YBOUND)};
    std::string text = std::string(versionLine) + "\n";
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
    return replaceFile(inWriteFolder(saveFileName), text, "Could not write ", true);
}

bool readSave(const CampaignScript& script, const Universe& universe, SavedCampaign& save) {
    std::filesystem::path path = inWriteFolder(saveFileName);
    std::string text;
    SaveReader reader(script, universe);
    SavedCampaign read;
    if (!readDataText(path.string(), playerFiles, text, reader.problem)) {
        if (reader.problem == missingFile) return false;
    } else if (reader.read(linesOf(text), read)) {
        save = read;
        return true;
    }
    std::cout << path.string();
    if (reader.problemLine > 0) std::cout << " line " << reader.problemLine;
    std::cout << ": " << reader.problem << "; the save is not used" << std::endl;
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
    if (!isVersionLine(lines) && !isVersionLine(lines, bestResultsVersion)) {
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
    const std::string mode = modeOf(result);
    results = ofMode(all, mode);
    auto place = std::upper_bound(results.begin(), results.end(), result, betterThan);
    size_t index = static_cast<size_t>(place - results.begin());
    if (index >= bestResultsKept) return 0;
    results.insert(place, withinLimits(result));
    if (results.size() > bestResultsKept) results.resize(bestResultsKept);
    all.push_back(withinLimits(result));
    keepBestOfEachMode(all);
    std::string text = std::string(bestResultsVersion) + "\n";
    for (const RunResult& kept : all) text += resultLine(kept);
    replaceFile(inWriteFolder(bestResultsFileName), text, "Could not write ");
    return index + 1;
}
