#pragma once

#include <initializer_list>
#include <string>
#include <vector>

// Rows of floats and the names attached to them, as read from a table file.
using NumberTable = std::vector<std::vector<float>>;
using NameTable = std::vector<std::vector<std::string>>;

// A name item read back into the file name it spells: the reader turns each
// underscore into a space, as a name item cannot hold one.
std::string underscoresBack(std::string name);
// The 1-based line on which each row of a table starts.
using RowLines = std::vector<int>;

class DataReport;

// Weapon rows (columns COOLDOWN, GUNSPEED, LIFETIME, DAMAGE) and enemy ship rows
// (ai, thrust, top speed, hit points, ram damage; an armed row adds its weapon
// row and fire interval, and may add its radius). Filled once at start-up.
extern NumberTable WEAPONDATA;
extern NumberTable SHIPDATA;

// The columns an armed ship row adds to the first five.
const unsigned shipWeaponColumn = 5;
const unsigned shipFireIntervalColumn = 6;
const unsigned shipRadiusColumn = 7;
const unsigned armedShipColumns = 7;

// Reads a whitespace-separated table file into rows of `columns` floats.
// False only when the file cannot be opened.
bool readData(const char* fileName, int columns, NumberTable& table);
bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names);
// The same, also noting where each row starts and warning (through `report`)
// of tokens that are not numbers and of a short last row.
bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names, RowLines& lines,
              DataReport& report);

// Rows of one of `widths` numbers, one a line, when every line that holds
// numbers holds one of those counts; otherwise rows of the first width in file
// order, exactly as readData reads them.
bool readLineRows(const char* fileName, std::initializer_list<unsigned> widths, NumberTable& table,
                  NameTable& names, RowLines& lines, DataReport& report);

bool initializeWeaponArray();
bool initializeShipArray();
