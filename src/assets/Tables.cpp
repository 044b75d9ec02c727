#include "assets/Tables.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "core/Constants.h"
#include "core/Numbers.h"

namespace {

// "@Alpha_One" names the row "Alpha One".
std::string nameFromToken(const std::string& token) {
    std::string name = token.substr(1);
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    return name;
}

void storeNumber(const std::string& token, unsigned count, int columns, NumberTable& table) {
    unsigned width = static_cast<unsigned>(columns);
    if (count % width == 0) table.emplace_back(width, 0.0f);
    table[count / width][count % width] = leadingNumber(token);
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
    std::cout << fileName << ": needs " << needed << " " << rowKind << " rows, found "
              << table.size() << std::endl;
    return false;
}

}  // namespace

bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names) {
    std::ifstream file(fileName);
    if (!file) {
        std::cout << "Error opening file" << std::endl;
        return false;
    }
    std::cout << "Opening " << fileName << std::endl;
    unsigned count = 0;
    std::string token;
    while (file >> token) {
        if (token[0] == '#') {
            file.ignore(100000, '\n');
        } else if (token[0] == '@') {
            storeName(fileName, token, count, columns, names);
        } else {
            storeNumber(token, count, columns, table);
            ++count;
        }
    }
    return true;
}

bool readData(const char* fileName, int columns, NumberTable& table) {
    NameTable unusedNames;
    return readData(fileName, columns, table, unusedNames);
}

bool initializeWeaponArray() {
    std::cout << "loading weapondata.txt" << std::endl;
    return readData("weapondata.txt", 4, WEAPONDATA) &&
           checkRowCount("weapondata.txt", WEAPONDATA, maxWeapons, "weapon");
}

// Start-up spawns enemy ships of type 1, so rows 0 and 1 must exist.
bool initializeShipArray() {
    std::cout << "loading shipdata.txt" << std::endl;
    return readData("shipdata.txt", 5, SHIPDATA) &&
           checkRowCount("shipdata.txt", SHIPDATA, 2, "ship");
}
