#include "assets/Tables.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "core/Constants.h"

namespace {

// Length of the longest prefix of `token` that reads as a decimal number:
// optional sign, digits with an optional fraction, optional exponent.
size_t numericPrefixLength(const std::string& token) {
    size_t i = 0;
    auto digitAt = [&token](size_t at) {
        return at < token.size() && std::isdigit(static_cast<unsigned char>(token[at]));
    };
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    while (digitAt(i)) ++i, ++mantissaDigits;
    if (i < token.size() && token[i] == '.') {
        size_t afterPoint = i + 1;
        size_t fractionDigits = 0;
        while (digitAt(afterPoint + fractionDigits)) ++fractionDigits;
        if (mantissaDigits + fractionDigits > 0) {
            i = afterPoint + fractionDigits;
            mantissaDigits += fractionDigits;
        }
    }
    if (mantissaDigits == 0) return 0;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        size_t exponent = i + 1;
        if (exponent < token.size() && (token[exponent] == '+' || token[exponent] == '-')) ++exponent;
        if (digitAt(exponent)) {
            while (digitAt(exponent)) ++exponent;
            i = exponent;
        }
    }
    return i;
}

// Junk after the number is ignored; a token with no number in front reads as 0.
float numberFromToken(const std::string& token) {
    size_t length = numericPrefixLength(token);
    if (length == 0) return 0.0f;
    return static_cast<float>(std::strtod(token.substr(0, length).c_str(), nullptr));
}

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
    table[count / width][count % width] = numberFromToken(token);
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
