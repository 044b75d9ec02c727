#include "assets/Tables.h"

#include <cctype>
#include <iostream>

#include "assets/DataReport.h"
#include "core/Constants.h"
#include "core/Numbers.h"

namespace {

// A "#" token hides at most this much of the rest of its line.
const size_t commentLimit = 100000;

// "@Alpha_One" names the row "Alpha One".
std::string nameFromToken(const std::string& token) {
    std::string name = token.substr(1);
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    return name;
}

// A name belongs to the most recently completed number row.
void storeName(const char* fileName, const std::string& token, unsigned count, int columns,
               NameTable& names) {
    size_t completeRows = count / static_cast<unsigned>(columns);
    if (completeRows == 0) {
        std::cout << fileName << ": name " << token << " comes before any complete row; ignored"
                  << std::endl;
        return;
    }
    if (names.size() < completeRows) names.resize(completeRows);
    names[completeRows - 1].push_back(nameFromToken(token));
}

bool checkRowCount(const char* fileName, const NumberTable& table, size_t needed,
                   const char* rowKind) {
    if (table.size() >= needed) return true;
    DataReport::noteProblem();
    std::cout << fileName << ": needs " << needed << " " << rowKind << " rows, found "
              << table.size() << std::endl;
    return false;
}

// Cuts a table file into tokens, keeping the line each one starts on.
class Tokens {
public:
    explicit Tokens(const std::string& text) : text(text) {}

    bool next(std::string& token) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) {
            if (text[at] == '\n') ++line;
            ++at;
        }
        if (at >= text.size()) return false;
        size_t start = at;
        while (at < text.size() && !std::isspace(static_cast<unsigned char>(text[at]))) ++at;
        token.assign(text, start, at - start);
        return true;
    }

    // Drops the rest of the line, its line feed included.
    void skipComment() {
        for (size_t skipped = 0; at < text.size() && skipped < commentLimit; ++skipped) {
            if (text[at++] == '\n') {
                ++line;
                return;
            }
        }
    }

    int line = 1;

private:
    const std::string& text;
    size_t at = 0;
};

struct TableRange {
    int column;
    const char* what;
    float lo;
    float hi;
};

// Checks every row of a table against the ranges of its columns.
bool checkColumns(const NumberTable& table, const RowLines& lines, DataReport& report,
                  std::initializer_list<TableRange> ranges) {
    for (size_t r = 0; r < table.size(); ++r) {
        for (const TableRange& range : ranges) {
            report.check(lines[r], range.what, table[r][range.column], range.lo, range.hi);
        }
    }
    return !report.failed();
}

bool readChecked(const char* fileName, int columns, NumberTable& table, DataReport& report,
                 RowLines& lines) {
    NameTable names;
    return readData(fileName, columns, table, names, lines, report);
}

}  // namespace

bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names, RowLines& lines,
              DataReport& report) {
    std::string text;
    if (!readDataText(fileName, text)) {
        std::cout << "Error opening file" << std::endl;
        DataReport::noteProblem();
        return false;
    }
    std::cout << "Opening " << fileName << std::endl;
    unsigned width = static_cast<unsigned>(columns);
    unsigned count = 0;
    Tokens tokens(text);
    std::string token;
    while (tokens.next(token)) {
        if (token[0] == '#') {
            tokens.skipComment();
        } else if (token[0] == '@') {
            storeName(fileName, token, count, columns, names);
        } else {
            if (count % width == 0) {
                table.emplace_back(width, 0.0f);
                lines.push_back(tokens.line);
            }
            if (numberPrefixLength(token) == 0) {
                report.warn(tokens.line, "\"" + token + "\" is not a number; read as 0");
            }
            table[count / width][count % width] = leadingNumber(token);
            ++count;
        }
    }
    if (count % width != 0) {
        report.warn(lines.back(), "row has " + std::to_string(count % width) + " of " +
                                      std::to_string(width) + " numbers; the rest read as 0");
    }
    return true;
}

bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names) {
    RowLines lines;
    DataReport report(fileName);
    return readData(fileName, columns, table, names, lines, report);
}

bool readData(const char* fileName, int columns, NumberTable& table) {
    NameTable unusedNames;
    return readData(fileName, columns, table, unusedNames);
}

bool initializeWeaponArray() {
    std::cout << "loading weapondata.txt" << std::endl;
    const char* file = "weapondata.txt";
    DataReport report(file);
    RowLines lines;
    if (!readChecked(file, 4, WEAPONDATA, report, lines)) return false;
    bool valuesFit = checkColumns(WEAPONDATA, lines, report,
                                  {{COOLDOWN, "cooldown", 0, 1e6f},
                                   {GUNSPEED, "speed", -1000, 1000},
                                   {LIFETIME, "lifetime", -1e6f, 1e6f},
                                   {DAMAGE, "damage", -1e9f, 1e9f}});
    return checkRowCount(file, WEAPONDATA, maxWeapons, "weapon") && valuesFit;
}

// Start-up spawns enemy ships of type 1, so rows 0 and 1 must exist.
bool initializeShipArray() {
    std::cout << "loading shipdata.txt" << std::endl;
    const char* file = "shipdata.txt";
    DataReport report(file);
    RowLines lines;
    if (!readChecked(file, 5, SHIPDATA, report, lines)) return false;
    for (size_t r = 0; r < SHIPDATA.size(); ++r) {
        if (SHIPDATA[r][3] == 0) {
            report.warn(lines[r], "hit points 0: this enemy type explodes as soon as it appears");
        }
    }
    bool valuesFit = checkColumns(SHIPDATA, lines, report,
                                  {{0, "behaviour", -1000, 1000},
                                   {1, "thrust", -1000, 1000},
                                   {2, "top speed", -1000, 1000},
                                   {3, "hit points", -1e9f, 1e9f},
                                   {4, "ram damage", -1e9f, 1e9f}});
    return checkRowCount(file, SHIPDATA, 2, "ship") && valuesFit;
}
