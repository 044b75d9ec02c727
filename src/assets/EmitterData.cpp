#include "assets/EmitterData.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "core/Geometry.h"
#include "core/Numbers.h"

namespace {

const size_t curveLength = 100;
const size_t plainRowLimit = 9;
const size_t sampleRow = 3;
const size_t selectorRow = 11;
// Past this, t = k / N * 99 can round up to 99 and read beyond the curve.
const long sampleCountLimit = 10000000;

std::string emitterFileName(int number) {
    return "emitterShade" + toString(static_cast<float>(number)) + ".txt";
}

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
}

EmitterDefinition readDefinition(std::ifstream& in, const std::string& fileName) {
    EmitterDefinition definition;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line[0] == '#') {
            definition.emplace_back();
        } else if (line.size() < 2) {
            continue;
        } else if (line[0] == ' ') {
            reportIgnoredLine(fileName, lineNumber, "data line begins with a blank");
        } else if (definition.empty()) {
            reportIgnoredLine(fileName, lineNumber, "data before the first '#' line");
        } else {
            definition.back().push_back(parseRow(line));
        }
    }
    return definition;
}

// What makes a definition unusable by expandMatrix or Emitter, or "" when it
// is sound.
std::string definitionFault(const EmitterDefinition& definition) {
    if (definition.empty() || definition[0].size() <= selectorRow) {
        return "section 0 has fewer than 12 rows";
    }
    for (size_t s = 0; s < definition.size(); ++s) {
        const EmitterSection& section = definition[s];
        std::string where = "section " + std::to_string(s);
        if (section.size() <= sampleRow) {
            return where + " has fewer than 4 rows";
        }
        float sampleCount = section[sampleRow][0];
        if (sampleCount <= -1.0f || !(sampleCount < sampleCountLimit)) {
            return where + " has an unusable sample count " + toString(sampleCount);
        }
        for (size_t r = 0; r < section.size(); ++r) {
            size_t length = section[r].size();
            if (length > plainRowLimit && length < curveLength) {
                return where + " row " + std::to_string(r) + " has " + std::to_string(length) +
                       " values (a curve needs at least 100)";
            }
        }
    }
    float selector = definition[0][selectorRow][0];
    if (selector != 0.0f && selector != 1.0f) {
        return "shader selector " + toString(selector) + " is neither 0 nor 1";
    }
    return "";
}

int sampleCountOf(const EmitterSection& section) {
    if (section.size() <= sampleRow || section[sampleRow].empty()) {
        return 0;
    }
    float n = section[sampleRow][0];
    return n > 0 && n < sampleCountLimit ? static_cast<int>(n) : 0;
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

}  // namespace

EmitterTable readEmitterData() {
    EmitterTable table;
    for (int e = 0;; ++e) {
        std::string fileName = emitterFileName(e);
        std::ifstream in(fileName);
        if (!in) {
            break;
        }
        std::cout << "Processing " << fileName << std::endl;
        table.push_back(readDefinition(in, fileName));
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
    EmitterTable raw = readEmitterData();
    EmitterTable table;
    for (size_t e = 0; e < raw.size(); ++e) {
        table.emplace_back();
        std::string fault = definitionFault(raw[e]);
        if (!fault.empty()) {
            // Kept empty so later entries keep their numbers; its emitters draw nothing.
            std::cout << emitterFileName(static_cast<int>(e)) << ": " << fault
                      << "; effect disabled" << std::endl;
            continue;
        }
        for (const EmitterSection& section : raw[e]) {
            table.back().push_back(expandMatrix(section));
        }
    }
    std::cout << "# emitters:" << table.size() << std::endl;
    return table;
}
