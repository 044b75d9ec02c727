#include "replay/ReplayFile.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>

#include "campaign/CampaignProgress.h"
#include "core/DataFile.h"
#include "replay/FramePacking.h"

#ifndef RERARA_VERSION
#define RERARA_VERSION "unknown"
#endif

namespace {

const char* const firstLine = "rerara replay 1";
const size_t longestLine = 1000;
const size_t longestWord = 40;
const size_t mostSaveLines = 50;
const size_t mostHeaderLines = 100;
const long long mostFigure = 1000000000000000LL;
const char* const modeWords[] = {"campaign", "free-flight", "endless"};

std::string exactly(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string headerText(const ReplayHeader& header, size_t frames) {
    std::ostringstream out;
    char fingerprint[17];
    std::snprintf(fingerprint, sizeof fingerprint, "%016" PRIx64, header.dataFingerprint);
    out << firstLine << "\ngame " << header.gameVersion << "\ndata " << fingerprint << "\nmode "
        << modeWords[static_cast<int>(header.mode)] << "\ndifficulty " << header.difficulty << "\nseed " << header.seed
        << "\nclock " << header.clock << " " << header.spawnClock << "\nspawn " << exactly(header.spawnIntervalMs)
        << "\ndate " << header.date << "\n";
    if (header.mode == ReplayMode::endless) out << "worlds " << header.worldSeed << "\n";
    for (const std::string& line : header.save) out << "save " << line << "\n";
    if (!header.upgradeChoices.empty()) {
        out << "upgrades";
        for (int choice : header.upgradeChoices) out << " " << choice;
        out << "\n";
    }
    if (header.ended) {
        const RunFigures& f = header.figures;
        out << "end " << f.score << " " << f.kills << " " << f.deaths << " " << f.timeMs << " " << f.world << "\n";
    }
    out << "frames " << frames << "\n";
    return out.str();
}

bool readWhole(const std::string& text, long long lo, long long hi, long long& out) {
    size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digits || text.size() > 19 || text.find_first_not_of("0123456789", digits) != std::string::npos) {
        return false;
    }
    errno = 0;
    long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < lo || value > hi) return false;
    out = value;
    return true;
}

// The header's lines by name, each kept whole after its name.
class HeaderReader {
public:
    bool read(const std::string& bytes, size_t& bodyStart, ReplayHeader& header, size_t& frames, size_t& raw,
              size_t& packed);

    std::string problem;
    int line = 0;

private:
    bool fail(int at, const std::string& what) {
        line = at;
        problem = what;
        return false;
    }
    bool splitLines(const std::string& bytes, size_t& bodyStart);
    const std::string* value(const char* name);
    bool whole(const char* name, long long lo, long long hi, long long& out);
    bool word(const char* name, std::string& out);
    bool readMode(ReplayHeader& header);
    bool readNumbers(ReplayHeader& header);
    bool readWorldSeed(ReplayHeader& header);
    bool readUpgrades(ReplayHeader& header);
    bool readEnd(ReplayHeader& header);
    bool readBody(size_t& frames, size_t& raw, size_t& packed);

    std::map<std::string, std::pair<int, std::string>> entries;
    std::vector<std::string> saveLines;
};

bool HeaderReader::splitLines(const std::string& bytes, size_t& bodyStart) {
    size_t at = 0;
    for (int number = 1; at < bytes.size() && static_cast<size_t>(number) <= mostHeaderLines; ++number) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos || end - at > longestLine) return fail(number, "a header line too long or cut");
        std::string text = bytes.substr(at, end - at);
        at = end + 1;
        if (number == 1) {
            if (text != firstLine) return fail(1, "not a replay of this game");
            continue;
        }
        size_t space = text.find(' ');
        std::string name = text.substr(0, space);
        std::string rest = space == std::string::npos ? "" : text.substr(space + 1);
        if (name == "save") {
            if (saveLines.size() >= mostSaveLines) return fail(number, "too many save lines");
            saveLines.push_back(rest);
        } else if (!entries.emplace(name, std::make_pair(number, rest)).second) {
            return fail(number, "\"" + shortened(name) + "\" is given twice");
        }
        if (name == "body") {
            bodyStart = at;
            return true;
        }
    }
    return fail(0, "no body line");
}

const std::string* HeaderReader::value(const char* name) {
    auto found = entries.find(name);
    if (found == entries.end()) {
        fail(0, std::string("no ") + name + " line");
        return nullptr;
    }
    line = found->second.first;
    return &found->second.second;
}

bool HeaderReader::whole(const char* name, long long lo, long long hi, long long& out) {
    const std::string* text = value(name);
    if (!text) return false;
    if (readWhole(*text, lo, hi, out)) return true;
    return fail(line, std::string(name) + " must be a whole number from " + std::to_string(lo) + " to " +
                          std::to_string(hi));
}

bool HeaderReader::word(const char* name, std::string& out) {
    const std::string* text = value(name);
    if (!text) return false;
    if (text->empty() || text->size() > longestWord || text->find(' ') != std::string::npos) {
        return fail(line, std::string(name) + " must be one word");
    }
    out = *text;
    return true;
}

bool HeaderReader::readMode(ReplayHeader& header) {
    std::string mode;
    if (!word("mode", mode)) return false;
    const ReplayMode modes[] = {ReplayMode::campaign, ReplayMode::freeFlight, ReplayMode::endless};
    const auto* found = std::find_if(std::begin(modes), std::end(modes),
                                     [&](ReplayMode m) { return mode == modeWords[static_cast<int>(m)]; });
    if (found == std::end(modes)) return fail(line, "mode must be campaign, free-flight or endless");
    header.mode = *found;
    std::string fingerprint;
    if (!word("data", fingerprint)) return false;
    if (fingerprint.size() != 16 || fingerprint.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return fail(line, "data must be 16 hexadecimal digits");
    }
    header.dataFingerprint = std::strtoull(fingerprint.c_str(), nullptr, 16);
    return word("game", header.gameVersion) && word("difficulty", header.difficulty);
}

bool HeaderReader::readNumbers(ReplayHeader& header) {
    long long seed = 0;
    if (!whole("seed", 0, UINT32_MAX, seed)) return false;
    header.seed = static_cast<unsigned>(seed);
    const std::string* clocks = value("clock");
    if (!clocks) return false;
    long long clock = 0;
    long long spawnClock = 0;
    size_t space = clocks->find(' ');
    if (space == std::string::npos || !readWhole(clocks->substr(0, space), 0, UINT32_MAX, clock) ||
        !readWhole(clocks->substr(space + 1), 0, UINT32_MAX, spawnClock)) {
        return fail(line, "clock must be two whole numbers from 0 to " + std::to_string(UINT32_MAX));
    }
    header.clock = static_cast<uint32_t>(clock);
    header.spawnClock = static_cast<uint32_t>(spawnClock);
    const std::string* spawn = value("spawn");
    if (!spawn) return false;
    char* end = nullptr;
    header.spawnIntervalMs = std::strtof(spawn->c_str(), &end);
    if (spawn->empty() || *end != '\0' || !(header.spawnIntervalMs >= 0.001f && header.spawnIntervalMs <= 1e9f)) {
        return fail(line, "spawn must be a number from 0.001 to 1e9");
    }
    const std::string* date = value("date");
    if (!date || date->size() > longestWord) return fail(line, "no date, or one too long");
    header.date = *date;
    return header.mode != ReplayMode::endless || readWorldSeed(header);
}

// Any 64-bit number, as the title's seed is.
bool HeaderReader::readWorldSeed(ReplayHeader& header) {
    const std::string* seed = value("worlds");
    if (!seed) return false;
    errno = 0;
    if (seed->empty() || seed->size() > 20 || seed->find_first_not_of("0123456789") != std::string::npos) {
        return fail(line, "worlds must be a seed, a whole number from 0");
    }
    header.worldSeed = std::strtoull(seed->c_str(), nullptr, 10);
    if (errno == ERANGE) return fail(line, "worlds must be a seed, a whole number from 0");
    return true;
}

// Each choice a place in an offer of three.
bool HeaderReader::readUpgrades(ReplayHeader& header) {
    auto found = entries.find("upgrades");
    if (found == entries.end()) return true;
    line = found->second.first;
    std::istringstream words(found->second.second);
    for (std::string word; words >> word;) {
        long long choice = 0;
        if (!readWhole(word, 0, 2, choice)) return fail(line, "upgrades must be places in an offer, 0 to 2");
        header.upgradeChoices.push_back(static_cast<int>(choice));
    }
    return true;
}

bool HeaderReader::readEnd(ReplayHeader& header) {
    auto found = entries.find("end");
    if (found == entries.end()) return true;
    line = found->second.first;
    std::istringstream words(found->second.second);
    std::string score, kills, deaths, played;
    words >> score >> kills >> deaths >> played;
    long long k = 0;
    long long d = 0;
    RunFigures& f = header.figures;
    if (!readWhole(score, -mostFigure, mostFigure, f.score) || !readWhole(kills, 0, 1000000000, k) ||
        !readWhole(deaths, 0, 1000000000, d) || !readWhole(played, 0, mostFigure, f.timeMs)) {
        return fail(line, "end must be a score, kills, deaths, a time and a world");
    }
    f.kills = static_cast<int>(k);
    f.deaths = static_cast<int>(d);
    std::getline(words >> std::ws, f.world);
    header.ended = true;
    return true;
}

bool HeaderReader::readBody(size_t& frames, size_t& raw, size_t& packed) {
    long long count = 0;
    if (!whole("frames", 0, static_cast<long long>(mostReplayFrames), count)) return false;
    frames = static_cast<size_t>(count);
    const std::string* body = value("body");
    if (!body) return false;
    long long rawSize = 0;
    long long packedSize = 0;
    size_t space = body->find(' ');
    if (space == std::string::npos ||
        !readWhole(body->substr(0, space), 0, static_cast<long long>(largestReplayBody), rawSize) ||
        !readWhole(body->substr(space + 1), 0, static_cast<long long>(largestReplayFile), packedSize)) {
        return fail(line, "body must give its size unpacked (at most 64 MB) and packed");
    }
    raw = static_cast<size_t>(rawSize);
    packed = static_cast<size_t>(packedSize);
    return true;
}

bool HeaderReader::read(const std::string& bytes, size_t& bodyStart, ReplayHeader& header, size_t& frames,
                        size_t& raw, size_t& packed) {
    if (!splitLines(bytes, bodyStart) || !readMode(header) || !readNumbers(header) || !readUpgrades(header) || !readEnd(header) ||
        !readBody(frames, raw, packed)) {
        return false;
    }
    header.save = saveLines;
    line = 0;
    if (bytes.size() - bodyStart != packed) return fail(0, "the frames are cut short or followed by more");
    return true;
}

}  // namespace

const char* gameVersion() { return RERARA_VERSION; }

const char* modeName(ReplayMode mode) {
    const char* const names[] = {"campaign", "free flight", "endless"};
    return names[static_cast<int>(mode)];
}

std::string closingLine(ReplayMode mode, const RunFigures& figures) {
    return std::string("Run ended: ") + modeName(mode) + ", world " + figures.world + ", score " +
           std::to_string(figures.score) + ", kills " + std::to_string(figures.kills) + ", deaths " +
           std::to_string(figures.deaths) + ", time " + playTime(figures.timeMs);
}

std::string replayText(const Replay& replay) {
    std::string raw = packFrames(replay.frames, replay.header.spawnIntervalMs);
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
              raw.size(), Z_BEST_COMPRESSION);
    packed.resize(packedSize);
    return headerText(replay.header, replay.frames.size()) + "body " + std::to_string(raw.size()) + " " +
           std::to_string(packed.size()) + "\n" + packed;
}

bool parseReplay(const std::string& bytes, Replay& replay, std::string& problem, int& line, bool headerOnly) {
    HeaderReader reader;
    size_t bodyStart = 0;
    size_t frames = 0;
    size_t rawSize = 0;
    size_t packedSize = 0;
    Replay read;
    bool fine = reader.read(bytes, bodyStart, read.header, frames, rawSize, packedSize);
    problem = reader.problem;
    line = reader.line;
    if (!fine) return false;
    if (!headerOnly) {
        // One byte more than the header says, to tell a longer body.
        std::string raw(rawSize + 1, '\0');
        uLongf unpacked = raw.size();
        int result = uncompress(reinterpret_cast<Bytef*>(&raw[0]), &unpacked,
                                reinterpret_cast<const Bytef*>(bytes.data() + bodyStart), packedSize);
        if (result != Z_OK || unpacked != rawSize) {
            problem = "the frames are damaged";
            return false;
        }
        raw.resize(rawSize);
        if (!unpackFrames(raw, frames, read.header.spawnIntervalMs, read.frames, problem)) return false;
    }
    replay = std::move(read);
    return true;
}

bool readReplay(const std::string& path, Replay& replay, bool headerOnly) {
    std::string bytes;
    std::string problem;
    int line = 0;
    if (readDataFile(path, replayFiles, bytes, problem) && parseReplay(bytes, replay, problem, line, headerOnly)) {
        return true;
    }
    std::cout << path << (line > 0 ? " line " + std::to_string(line) : "") << ": " << problem
              << "; it is not played" << std::endl;
    return false;
}
