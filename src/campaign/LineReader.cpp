#include "campaign/LineReader.h"

#include <cmath>
#include <sstream>

#include "assets/DataReport.h"
#include "core/DataFile.h"
#include "core/Numbers.h"

namespace {
// Far longer than any line of a keyword file needs.
const size_t longestLine = 1000;
}  // namespace

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> word) {
        if (word[0] == '#') break;
        words.push_back(word);
    }
    return words;
}

bool LineReader::needs(size_t count) {
    if (valueCount() == count) return true;
    return fail(keyword() + " needs " + std::to_string(count) + (count == 1 ? " value" : " values") + ", found " +
                std::to_string(valueCount()));
}

bool LineReader::number(size_t value, const std::string& what, float lo, float hi, float& out) {
    const std::string& text = word(value);
    if (numberPrefixLength(text) != text.size()) {
        return fail(what + " \"" + shortened(text) + "\" is not a number");
    }
    float read = leadingNumber(text);
    if (!report.check(line, what, read, lo, hi)) return false;
    out = read;
    return true;
}

bool LineReader::whole(size_t value, const std::string& what, int lo, int hi, int& out) {
    float read = 0;
    if (!number(value, what, static_cast<float>(lo), static_cast<float>(hi), read)) return false;
    if (read != std::floor(read)) return fail(what + " " + describe(read) + " is not a whole number");
    out = static_cast<int>(read);
    return true;
}

std::string LineReader::rest(size_t value) const {
    std::string joined;
    for (size_t i = value + 1; i < words.size(); ++i) {
        joined += (joined.empty() ? "" : " ") + words[i];
    }
    return joined;
}

bool LineReader::fail(const std::string& what) {
    report.fail(line, what);
    return false;
}

bool readKeywordLines(const std::string& fileName, DataReport& report,
                      const std::function<void(LineReader&)>& read) {
    std::string text;
    std::string problem;
    if (!readDataText(fileName, textFiles, text, problem)) {
        report.fail(0, problem == missingFile ? "missing or not a file" : problem);
        return false;
    }
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.size() > longestLine) {
            report.fail(number, "line longer than " + std::to_string(longestLine) + " characters");
            continue;
        }
        std::vector<std::string> words = wordsOf(line);
        if (words.empty()) continue;
        LineReader in(report, number, std::move(words));
        read(in);
    }
    return true;
}
