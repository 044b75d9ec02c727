#pragma once

#include <map>
#include <string>
#include <vector>

// The grammar of the player's small files (the save, the best results): one
// "name value ..." line each, values read strictly.

// A line split into words; a line longer than any the game writes is kept
// unsplit, as too long.
struct FileLine {
    int number;
    std::vector<std::string> words;
    bool tooLong = false;
};

// The save's lines by name; a name that may come more than once keeps each.
using SaveEntries = std::map<std::string, std::vector<FileLine>>;

// The first problem found in a file: its line (0 for the file as a whole) and what is wrong.
struct SaveProblem {
    int line = 0;
    std::string what;

    // Notes the problem; false, for the reader to return.
    bool fail(int at, const std::string& problem);
};

const size_t longestSaveLine = 1000;

std::vector<FileLine> linesOf(const std::string& text);
// A plain whole number from `lo` to `hi`.
bool readWhole(const std::string& text, long long lo, long long hi, long long& out);
bool readWhole(const std::string& text, int lo, int hi, int& out);
// A finite decimal number from `lo` to `hi`, nothing after it.
bool readNumber(const std::string& text, float lo, float hi, float& out);
// "NAME N": one whole number from `lo` to `hi`.
bool readSingle(const FileLine& line, long long lo, long long hi, long long& out, SaveProblem& problem);
// A float written so that it reads back the same.
std::string exactly(float value);
