#pragma once

#include <string>
#include <vector>

// Rows of floats and the names attached to them, as read from a table file.
using NumberTable = std::vector<std::vector<float>>;
using NameTable = std::vector<std::vector<std::string>>;

// Weapon rows (columns COOLDOWN, GUNSPEED, LIFETIME, DAMAGE) and enemy ship rows
// (ai, thrust, top speed, hit points, ram damage). Filled once at start-up.
extern NumberTable WEAPONDATA;
extern NumberTable SHIPDATA;

// Reads a whitespace-separated table file into rows of `columns` floats.
// False only when the file cannot be opened.
bool readData(const char* fileName, int columns, NumberTable& table);
bool readData(const char* fileName, int columns, NumberTable& table, NameTable& names);

bool initializeWeaponArray();
bool initializeShipArray();
