#include "assets/Tables.h"
bool readData(const char*, int, NumberTable&) { return true; }
bool readData(const char*, int, NumberTable&, NameTable&) { return true; }
bool initializeWeaponArray() { WEAPONDATA.assign(3, std::vector<float>(4, 0)); return true; }
bool initializeShipArray() { SHIPDATA.assign(2, std::vector<float>(5, 0)); return true; }
