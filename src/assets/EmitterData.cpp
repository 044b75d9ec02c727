#include "assets/EmitterData.h"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>

#include "assets/DataReport.h"
#include "core/Geometry.h"
#include "core/Numbers.h"

namespace {

const size_t curveLength = 100;
const size_t plainRowLimit = 9;
const size_t sampleRow = 3;
const size_t selectorRow = 11;
// Far below the point (ten million) where t = k / N * 99 could round up to
// 99 and read beyond the curve.
const float sampleCountLimit = 10000;
const float particleCountLimit = 10000;
// What all curves of all definitions may take together once resampled (4 MB).
const size_t curveValueBudget = 1000000;
// Room for a curve of ten thousand values, far more than any needs.
const size_t longestLine = 100000;

// Fields are cut at single blanks: two blanks make an empty field (0), a
// trailing blank makes none.
EmitterRow parseRow(const std::string& line) {
    EmitterRow row;
    size_t start = 0;
    while (true) {
        size_t blank = line.find(' ', start);
        row.push_back(leadingNumber(line.substr(start, blank - start)));
        if (blank == std::string::npos || blank + 1 >= line.size()) {
            break;
        }
        start = blank + 1;
    }
    return row;
}

void reportIgnoredLine(const std::string& fileName, int lineNumber, const char* why) {
    std::cout << fileName << " line " << lineNumber << ": " << why << ", line ignored"
              << std::endl;
    DataReport::noteProblem();
}

// A definition as read, with the line each row came from.
struct RawDefinition {
    EmitterDefinition definition;
    std::vector<std::vector<int>> lines;
};

RawDefinition readDefinition(const std::string& text, const std::string& fileName) {
    RawDefinition raw;
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > longestLine) {
            reportIgnoredLine(fileName, lineNumber, "line longer than 100000 characters");
        } else if (!line.empty() && line[0] == '#') {
            raw.definition.emplace_back();
            raw.lines.emplace_back();
        } else if (line.size() < 2) {
            continue;
        } else if (line[0] == ' ') {
            reportIgnoredLine(fileName, lineNumber, "data line begins with a blank");
        } else if (raw.definition.empty()) {
            reportIgnoredLine(fileName, lineNumber, "data before the first '#' line");
        } else {
            raw.definition.back().push_back(parseRow(line));
            raw.lines.back().push_back(lineNumber);
        }
    }
    return raw;
}

std::vector<RawDefinition> readRawDefinitions() {
    std::vector<RawDefinition> table;
    for (int e = 0;; ++e) {
        std::string fileName = emitterFileName(e);
        std::string text;
        std::string problem;
        if (!readDataText(fileName, textFiles, text, problem)) {
            if (problem != missingFile) DataReport::noteProblem();
            reportUnreadable(fileName, problem);
            break;
        }
        std::cout << "Processing " << fileName << std::endl;
        table.push_back(readDefinition(text, fileName));
    }
    return table;
}

// Whether expandMatrix and Emitter can use the definition; the first fault
// found is reported.
bool shapeFits(const RawDefinition& raw, DataReport& report) {
    const EmitterDefinition& definition = raw.definition;
    if (definition.empty() || definition[0].size() <= selectorRow) {
        report.fail(0, "section 0 has fewer than 12 rows");
        return false;
    }
    for (size_t s = 0; s < definition.size(); ++s) {
        const EmitterSection& section = definition[s];
        std::string where = "section " + std::to_string(s);
        if (section.size() <= sampleRow) {
            report.fail(0, where + " has fewer than 4 rows");
            return false;
        }
        for (size_t r = 0; r < section.size(); ++r) {
            size_t length = section[r].size();
            if (length > plainRowLimit && length < curveLength) {
                report.fail(raw.lines[s][r], where + " row " + std::to_string(r) + " has " +
                                                 std::to_string(length) + " values (a curve needs at least 100)");
                return false;
            }
        }
    }
    float selector = definition[0][selectorRow][0];
    if (selector != 0.0f && selector != 1.0f) {
        report.fail(raw.lines[0][selectorRow], "shader selector " + toString(selector) + " is neither 0 nor 1");
        return false;
    }
    return true;
}

int sampleCountOf(const EmitterSection& section) {
    if (section.size() <= sampleRow || section[sampleRow].empty()) {
        return 0;
    }
    float n = section[sampleRow][0];
    return n > 0 && n <= sampleCountLimit ? static_cast<int>(n) : 0;
}

bool isScaledRow(size_t r) { return r == 4 || r == 5 || r == 9; }

EmitterRow resampleCurve(const EmitterRow& row, int n, bool scaled) {
    size_t header = row.size() - curveLength;
    const float* curve = row.data() + header;
    EmitterRow out(row.begin(), row.begin() + header);
    out.reserve(header + n);
    for (int k = 0; k < n; ++k) {
        float t = static_cast<float>(static_cast<double>(k) / n * 99.0);
        int i = static_cast<int>(std::floor(t));
        float f = t - static_cast<float>(i);
        float step = (curve[i + 1] - curve[i]) * f;
        float value = curve[i] + step;
        if (scaled) {
            value = row[0] * value;
        }
        out.push_back(value);
    }
    return out;
}

// The counts the emitter and the expansion use, every value finite, and the
// curves within what is left of the budget (taken from it when they fit).
bool valuesFit(const RawDefinition& raw, DataReport& report, size_t& curveValuesLeft) {
    const EmitterDefinition& definition = raw.definition;
    report.check(raw.lines[0][0], "particle count", definition[0][0][0], 0, particleCountLimit);
    size_t curveValues = 0;
    for (size_t s = 0; s < definition.size(); ++s) {
        const EmitterSection& section = definition[s];
        for (size_t r = 0; r < section.size(); ++r) {
            for (float value : section[r]) {
                if (!report.checkFinite(raw.lines[s][r], "value", value)) break;
            }
        }
        if (!report.check(raw.lines[s][sampleRow], "sample count", section[sampleRow][0], 0,
                          sampleCountLimit)) {
            continue;
        }
        for (const EmitterRow& row : section) {
            if (row.size() >= curveLength) curveValues += static_cast<size_t>(section[sampleRow][0]);
        }
    }
    if (!report.failed() && curveValues > curveValuesLeft) {
        report.fail(0, "curves take " + std::to_string(curveValues) + " values once resampled, more than the " +
                           std::to_string(curveValuesLeft) + " left of " + std::to_string(curveValueBudget));
    }
    if (report.failed()) {
        return false;
    }
    curveValuesLeft -= curveValues;
    return true;
}

}  // namespace

std::string emitterFileName(int number) { return "emitterShade" + toString(static_cast<float>(number)) + ".txt"; }

EmitterTable readEmitterData() {
    EmitterTable table;
    for (RawDefinition& raw : readRawDefinitions()) {
        table.push_back(std::move(raw.definition));
    }
    return table;
}

EmitterSection expandMatrix(const EmitterSection& section) {
    int n = sampleCountOf(section);
    EmitterSection out;
    out.reserve(section.size());
    for (size_t r = 0; r < section.size(); ++r) {
        const EmitterRow& row = section[r];
        if (row.size() < curveLength) {
            out.push_back(row);
        } else {
            out.push_back(resampleCurve(row, n, isScaledRow(r)));
        }
    }
    return out;
}

EmitterTable readAndExpandEmitterData() {
    std::vector<RawDefinition> raw = readRawDefinitions();
    EmitterTable table;
    size_t curveValuesLeft = curveValueBudget;
    for (size_t e = 0; e < raw.size(); ++e) {
        table.emplace_back();
        DataReport report(emitterFileName(static_cast<int>(e)));
        report.failOutcome = "; effect disabled";
        // A faulty definition is kept empty so later entries keep their
        // numbers; its emitters draw nothing.
        if (!shapeFits(raw[e], report) || !valuesFit(raw[e], report, curveValuesLeft)) {
            continue;
        }
        for (const EmitterSection& section : raw[e].definition) {
            table.back().push_back(expandMatrix(section));
        }
    }
    std::cout << "# emitters:" << table.size() << std::endl;
    return table;
}

std::string missingEffect(size_t index) {
    if (index < emitters.size()) {
        return "";
    }
    std::string missing = emitterFileName(static_cast<int>(emitters.size()));
    if (index == emitters.size()) {
        return missing + ": missing; effect disabled";
    }
    return emitterFileName(static_cast<int>(index)) + ": not read, since " + missing +
           " is missing; effect disabled";
}

EmitterDefinition effectDefinition(size_t index, float selector) {
    if (index >= emitters.size() || emitters[index].empty() ||
        emitters[index][0][selectorRow][0] != selector) {
        return EmitterDefinition{};
    }
    return emitters[index];
}
