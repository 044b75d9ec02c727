#pragma once

#include <cstddef>
#include <string>

#include "core/DataFile.h"

// The problems found in one data file, printed as "FILE line L: ..." lines.
// Errors make the loader refuse the file (or switch an effect off); warnings
// only tell the modder. A few of each are shown, then a count when the
// report ends.
class DataReport {
public:
    explicit DataReport(std::string file);
    ~DataReport();
    DataReport(const DataReport&) = delete;
    DataReport& operator=(const DataReport&) = delete;

    void warn(int line, const std::string& what);
    void fail(int line, const std::string& what);
    // False (after a fail line) unless `value` is finite and within lo..hi.
    bool check(int line, const std::string& what, float value, float lo, float hi);
    // False (after a fail line) unless `value` is finite.
    bool checkFinite(int line, const std::string& what, float value);
    bool failed() const { return errors > 0; }
    // Counts a problem that a loader reported in words of its own.
    static void noteProblem() { ++totalErrors; }

    std::string file;
    // A suffix for every fail line, such as "; effect disabled".
    std::string failOutcome;
    int warnings = 0;
    int errors = 0;

    // Every problem reported so far, in every file.
    static int totalWarnings;
    static int totalErrors;

private:
    void print(int line, const std::string& what);
};

// In a data check the loaders read on past a fatal problem, so that every
// file is looked at and every problem named.
void setCheckingEverything(bool on);
bool checkingEverything();

// What some editors put at the start of a UTF-8 file.
const char byteOrderMark[] = "\xEF\xBB\xBF";
const size_t byteOrderMarkLength = 3;
// Drops a UTF-8 byte-order mark from the start of a file's text.
void skipByteOrderMark(std::string& text);
// The whole text of a data file of that kind (core/DataFile.h), without a
// byte-order mark; false with `problem` set when it is missing (missingFile)
// or cannot be read.
bool readDataText(const std::string& name, const FileKind& kind, std::string& text, std::string& problem);
// Names a file that is there but cannot be read ("stardata.txt: a named
// pipe, not a file"); a missing one is left to the reader, which says in its
// own words what it does without it.
void reportUnreadable(const std::string& name, const std::string& problem);
// A number as the messages show it: 3e+09, 0.5, inf.
std::string describe(float value);
