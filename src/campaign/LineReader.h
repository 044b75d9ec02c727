#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class DataReport;

// The words of a line up to a "#" that starts a word.
std::vector<std::string> wordsOf(const std::string& line);

// One line of a keyword file (campaign.txt, upgrades.txt): its values are
// read in order, and the first wrong one ends the line with a fail line
// naming the file and line.
class LineReader {
public:
    LineReader(DataReport& report, int line, std::vector<std::string> words)
        : report(report), line(line), words(std::move(words)) {}

    const std::string& keyword() const { return words[0]; }
    size_t valueCount() const { return words.size() - 1; }
    const std::string& word(size_t value) const { return words[value + 1]; }

    bool needs(size_t count);
    bool number(size_t value, const std::string& what, float lo, float hi, float& out);
    bool whole(size_t value, const std::string& what, int lo, int hi, int& out);
    // The words from `value` on, joined by single blanks: a name.
    std::string rest(size_t value) const;
    bool fail(const std::string& what);

    DataReport& report;
    int line;

private:
    std::vector<std::string> words;
};

// Calls `read` for every line of the file that holds a word, counting lines
// from 1; the file may start with a byte-order mark and end its lines in
// CR LF. False (after a fail line) when the file is missing.
bool readKeywordLines(const std::string& fileName, DataReport& report,
                      const std::function<void(LineReader&)>& read);
