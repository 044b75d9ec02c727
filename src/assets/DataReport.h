#pragma once

#include <cstddef>
#include <string>

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

// A data file the game can read: a regular file (or a link to one), not a
// folder, device or pipe.
bool isDataFile(const std::string& name);
// What some editors put at the start of a UTF-8 file.
const char byteOrderMark[] = "\xEF\xBB\xBF";
const size_t byteOrderMarkLength = 3;
// Drops a UTF-8 byte-order mark from the start of a file's text.
void skipByteOrderMark(std::string& text);
// The whole text of a data file, without a byte-order mark; false when it
// is missing or not a data file.
bool readDataText(const std::string& name, std::string& text);
// A number as the messages show it: 3e+09, 0.5, inf.
std::string describe(float value);
