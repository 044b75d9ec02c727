// The weapon and ship tables, then a shot of each weapon into one ship of each type.
#include "FuzzSupport.h"
#include "assets/Tables.h"
#include "combat/Player.h"
#include "world/Universe.h"

int fuzzTables(const uint8_t* data, size_t size) {
    prepareFuzzing();
    std::vector<std::string> files = splitInput(data, size, 2);
    writeDataFile("weapondata.txt", files[0]);
    writeDataFile("shipdata.txt", files[1]);
    WEAPONDATA.clear();
    SHIPDATA.clear();
    if (initializeWeaponArray() && initializeShipArray()) {
        Player player(point{0, 0}, 0.001f, 0.003f, 0.003f, 1000, 45);
        Universe universe;
        universe.worlds.resize(1);
        universe.player = &player;
        spawnEachType(universe);
        playFrames(universe, 12);
    }
    restoreShippedData({"weapondata.txt", "shipdata.txt"});
    return 0;
}
