#include "assets/Tables.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>

#include "assets/DataReport.h"
#include "assets/ShipLooks.h"
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
void storeName(const char* fileName, const std::string& token, size_t completeRows, NameTable& names) {
    if (completeRows == 0) {
        std::cout << fileName << ": name " << shortened(token) << " comes before any complete row; ignored"
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

bool openTable(const char* fileName, std::string& text) {
    std::string problem;
    if (!readDataText(fileName, textFiles, text, problem)) {
        reportUnreadable(fileName, problem);
        std::cout << "Error opening file" << std::endl;
        DataReport::noteProblem();
        return false;
    }
    std::cout << "Opening " << fileName << std::endl;
    return true;
}

// Hands each name token, and each number token with its line, to the
// callbacks, in file order; comments are dropped.
template <typename OnName, typename OnNumber>
void visitTokens(const std::string& text, OnName onName, OnNumber onNumber) {
    Tokens tokens(text);
    std::string token;
    while (tokens.next(token)) {
        if (token[0] == '#') {
            tokens.skipComment();
        } else if (token[0] == '@') {
            onName(token);
        } else {
            onNumber(token, tokens.line);
        }
    }
}

float readNumber(const std::string& token, int line, DataReport& report) {
    if (numberPrefixLength(token) == 0) {
        report.warn(line, "\"" + shortened(token) + "\" is not a number; read as 0");
    }
    return leadingNumber(token);
}

// Rows of `width` numbers in file order, wherever the lines break.
void readFixedRows(const std::string& text, const char* fileName, unsigned width, NumberTable& table,
                   NameTable& names, RowLines& lines, DataReport& report) {
    unsigned count = 0;
    visitTokens(
        text, [&](const std::string& token) { storeName(fileName, token, count / width, names); },
        [&](const std::string& token, int line) {
            if (count % width == 0) {
                table.emplace_back(width, 0.0f);
                lines.push_back(line);
            }
            table[count / width][count % width] = readNumber(token, line, report);
            ++count;
        });
    if (count % width != 0) {
        report.warn(lines.back(), "row has " + std::to_string(count % width) + " of " +
                                      std::to_string(width) + " numbers; the rest read as 0");
    }
}

// Whether every line that holds numbers holds one of `widths` of them.
bool everyLineHolds(const std::string& text, std::initializer_list<unsigned> widths) {
    auto fits = [&](unsigned count) {
        return count == 0 || std::find(widths.begin(), widths.end(), count) != widths.end();
    };
    bool allFit = true;
    int line = 0;
    unsigned count = 0;
    visitTokens(
        text, [](const std::string&) {},
        [&](const std::string&, int at) {
            if (at != line) {
                allFit = allFit && fits(count);
                line = at;
                count = 0;
            }
            ++count;
        });
    return allFit && fits(count);
}

// One row for each line that holds numbers, as long as that line.
void readRowPerLine(const std::string& text, const char* fileName, NumberTable& table, NameTable& names,
                    RowLines& lines, DataReport& report) {
    visitTokens(
        text, [&](const std::string& token) { storeName(fileName, token, table.size(), names); },
        [&](const std::string& token, int line) {
            if (lines.empty() || lines.back() != line) {
                table.emplace_back();
                lines.push_back(line);
            }
            table.back().push_back(readNumber(token, line, report));
        });
}

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

std::string underscoresBack(std::string name) {
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names, RowLines& lines,
              DataReport& report) {
    std::string text;
    if (!openTable(fileName, text)) return false;
    readFixedRows(text, fileName, static_cast<unsigned>(columns), table, names, lines, report);
    return true;
}

bool readLineRows(const char* fileName, std::initializer_list<unsigned> widths, NumberTable& table,
                  NameTable& names, RowLines& lines, DataReport& report) {
    std::string text;
    if (!openTable(fileName, text)) return false;
    if (everyLineHolds(text, widths)) {
        readRowPerLine(text, fileName, table, names, lines, report);
    } else {
        readFixedRows(text, fileName, *widths.begin(), table, names, lines, report);
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
    // The row checks pair each row with its line: a second load starts empty.
    WEAPONDATA.clear();
    if (!readChecked(file, 4, WEAPONDATA, report, lines)) return false;
    bool valuesFit = checkColumns(WEAPONDATA, lines, report,
                                  {{COOLDOWN, "cooldown", 0, 1e6f},
                                   {GUNSPEED, "speed", -1000, 1000},
                                   {LIFETIME, "lifetime", -1e6f, 1e6f},
                                   {DAMAGE, "damage", -1e9f, 1e9f}});
    return checkRowCount(file, WEAPONDATA, maxWeapons, "weapon") && valuesFit;
}

namespace {

// Each armed row's weapon must be a row of weapondata.txt, so the weapons
// are read first.
void checkArming(const NumberTable& table, const RowLines& lines, DataReport& report) {
    int lastWeapon = static_cast<int>(WEAPONDATA.size()) - 1;
    std::string rows = lastWeapon < 0 ? "it has none" : "it has rows 0 to " + std::to_string(lastWeapon);
    for (size_t r = 0; r < table.size(); ++r) {
        const std::vector<float>& row = table[r];
        if (row.size() < armedShipColumns) continue;
        float weapon = row[shipWeaponColumn];
        if (report.checkFinite(lines[r], "weapon row", weapon) &&
            (weapon != std::floor(weapon) || weapon < 0 || weapon > lastWeapon)) {
            report.fail(lines[r], "weapon row " + describe(weapon) + " is not a row of weapondata.txt (" + rows + ")");
        }
        report.check(lines[r], "fire interval", row[shipFireIntervalColumn], 50, 1e6f);
        if (row.size() > shipRadiusColumn) report.check(lines[r], "radius", row[shipRadiusColumn], 10, 1000);
    }
}

// The name items of each row: the name shown, then the sprite's file.
void noteLooks(const NameTable& names, const RowLines& lines) {
    shipLooks.assign(SHIPDATA.size(), ShipLook{});
    for (size_t r = 0; r < shipLooks.size(); ++r) {
        ShipLook& look = shipLooks[r];
        look.line = lines[r];
        if (r >= names.size()) continue;
        if (!names[r].empty()) look.name = names[r][0];
        // A file name holds no blank, so every blank was a "_".
        if (names[r].size() > 1) look.spriteFile = underscoresBack(names[r][1]);
    }
}

}  // namespace

// Start-up spawns enemy ships of type 1, so rows 0 and 1 must exist.
bool initializeShipArray() {
    std::cout << "loading shipdata.txt" << std::endl;
    const char* file = "shipdata.txt";
    DataReport report(file);
    RowLines lines;
    NameTable names;
    SHIPDATA.clear();
    if (!readLineRows(file, {5, armedShipColumns, armedShipColumns + 1}, SHIPDATA, names, lines, report)) {
        return false;
    }
    noteLooks(names, lines);
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
    checkArming(SHIPDATA, lines, report);
    return checkRowCount(file, SHIPDATA, 2, "ship") && valuesFit && !report.failed();
}
