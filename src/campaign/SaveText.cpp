#include "campaign/SaveText.h"

#include <cmath>
#include <sstream>

#include "core/Numbers.h"

namespace {
const size_t longestWhole = 15;
}  // namespace

bool SaveProblem::fail(int at, const std::string& problem) {
    line = at;
    what = problem;
    return false;
}

std::vector<FileLine> linesOf(const std::string& text) {
    std::vector<FileLine> lines;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.size() > longestSaveLine) {
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

bool readWhole(const std::string& text, int lo, int hi, int& out) {
    long long value = 0;
    if (!readWhole(text, static_cast<long long>(lo), static_cast<long long>(hi), value)) return false;
    out = static_cast<int>(value);
    return true;
}

bool readNumber(const std::string& text, float lo, float hi, float& out) {
    if (numberPrefixLength(text) != text.size()) return false;
    float value = leadingNumber(text);
    if (!std::isfinite(value) || value < lo || value > hi) return false;
    out = value;
    return true;
}

bool readSingle(const FileLine& line, long long lo, long long hi, long long& out, SaveProblem& problem) {
    if (line.words.size() == 2 && readWhole(line.words[1], lo, hi, out)) return true;
    return problem.fail(line.number, line.words[0] + " must be one whole number from " + std::to_string(lo) +
                                         " to " + std::to_string(hi));
}

std::string exactly(float value) {
    std::ostringstream text;
    text.precision(9);
    text << value;
    return text.str();
}
