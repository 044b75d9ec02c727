#include "world/WorldSetup.h"

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "assets/EmitterData.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "world/Universe.h"

namespace {
const char* const starFile = "stardata.txt";
const char* const planetFile = "planetdata.txt";
const char* const wormholeFile = "wormholedata.txt";
const int starColumns = 7;
const int planetColumns = 9;
const int wormholeColumns = 8;
// Keeps a mistyped world number from asking for millions of worlds.
const float highestWorld = 9999;

struct WorldTables {
    NumberTable stars;
    NameTable starNames;
    NumberTable planets;
    NameTable planetNames;
    NumberTable wormholes;
};

bool readWorldTables(WorldTables& tables) {
    if (!readData(starFile, starColumns, tables.stars, tables.starNames)) {
        std::cout << "Stardata read failure" << std::endl;
        return false;
    }
    if (!readData(planetFile, planetColumns, tables.planets, tables.planetNames)) {
        std::cout << "planetdata read failure" << std::endl;
        return false;
    }
    if (!readData(wormholeFile, wormholeColumns, tables.wormholes)) {
        std::cout << "wormhole read failure" << std::endl;
        return false;
    }
    return true;
}

bool reject(const char* file, size_t row, const std::string& problem) {
    std::cout << file << " row " << row << ": " << problem << std::endl;
    return false;
}

std::string describe(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

bool hasName(const NameTable& names, size_t row) { return row < names.size() && !names[row].empty(); }

// The star row a planet row names in column 0, or -1 when it names none.
long starRowOf(const std::vector<float>& planet, size_t starCount) {
    for (size_t i = 0; i < starCount; ++i) {
        if (planet[0] == static_cast<float>(i)) {
            return static_cast<long>(i);
        }
    }
    return -1;
}

bool checkWorld(const char* file, size_t row, const char* what, float world, float worldCount) {
    if (world >= 0 && world < worldCount) {
        return true;
    }
    return reject(file, row, std::string(what) + " " + describe(world) + " is not between 0 and " +
                                 describe(worldCount - 1));
}

bool checkTexture(const char* file, size_t row, float slot) {
    if (slot >= 0 && slot < textureCount) {
        return true;
    }
    return reject(file, row, "texture slot " + describe(slot) + " is not between 0 and " +
                                 std::to_string(textureCount - 1));
}

bool checkName(const char* file, size_t row, const NameTable& names) {
    return hasName(names, row) || reject(file, row, "no @name item after the numbers");
}

// Stars and wormholes name the worlds that must exist; destinations must be among them.
size_t worldCountAfterLoading(const Universe& universe, const WorldTables& tables) {
    size_t count = universe.worlds.size();
    for (const auto* table : {&tables.stars, &tables.wormholes}) {
        for (const auto& row : *table) {
            count = std::max(count, static_cast<size_t>(row[0]) + 1);
        }
    }
    return count;
}

// Every row is checked before anything is built, so a bad file leaves the
// universe as it was.
bool validate(const Universe& universe, const WorldTables& tables) {
    for (size_t i = 0; i < tables.stars.size(); ++i) {
        const auto& star = tables.stars[i];
        if (!checkWorld(starFile, i, "world number", star[0], highestWorld + 1) ||
            !checkTexture(starFile, i, star[6]) || !checkName(starFile, i, tables.starNames)) {
            return false;
        }
    }
    for (size_t j = 0; j < tables.planets.size(); ++j) {
        const auto& planet = tables.planets[j];
        if (starRowOf(planet, tables.stars.size()) < 0) {
            continue;
        }
        if (!checkTexture(planetFile, j, planet[8]) || !checkName(planetFile, j, tables.planetNames)) {
            return false;
        }
    }
    for (size_t k = 0; k < tables.wormholes.size(); ++k) {
        if (!checkWorld(wormholeFile, k, "source world", tables.wormholes[k][0], highestWorld + 1)) {
            return false;
        }
    }
    float worldCount = static_cast<float>(worldCountAfterLoading(universe, tables));
    for (size_t k = 0; k < tables.wormholes.size(); ++k) {
        const auto& wormhole = tables.wormholes[k];
        if (!checkWorld(wormholeFile, k, "destination world", wormhole[4], worldCount)) {
            return false;
        }
        if (!(wormhole[7] >= 0 && wormhole[7] < emitters.size())) {
            return reject(wormholeFile, k,
                          "effect index " + describe(wormhole[7]) + " names no emitter definition (" +
                              std::to_string(emitters.size()) + " loaded)");
        }
    }
    return true;
}

void growTo(Universe& universe, float world) {
    if (world + 1 > universe.worlds.size()) {
        universe.worlds.resize(static_cast<size_t>(world + 1));
    }
}

void buildStars(Universe& universe, const WorldTables& tables) {
    for (size_t i = 0; i < tables.stars.size(); ++i) {
        const auto& row = tables.stars[i];
        Star star(point{row[1], row[2]}, row[3], row[4], row[5], static_cast<int>(row[6]),
                  tables.starNames[i][0]);
        for (size_t j = 0; j < tables.planets.size(); ++j) {
            const auto& p = tables.planets[j];
            if (starRowOf(p, tables.stars.size()) != static_cast<long>(i)) {
                continue;
            }
            Planet planet(p[1], p[2], p[3], p[4], p[5], p[6], p[7], static_cast<int>(p[8]),
                          tables.planetNames[j][0]);
            star.addPlanet(planet);
            std::cout << "Adding " << planet.getName() << " to " << star.getName() << std::endl;
        }
        growTo(universe, row[0]);
        universe.worlds[static_cast<size_t>(row[0])].stars.push_back(std::move(star));
    }
}

void buildWormholes(Universe& universe, const WorldTables& tables) {
    for (const auto& row : tables.wormholes) {
        growTo(universe, row[0]);
        universe.worlds[static_cast<size_t>(row[0])].wormholes.push_back(
            Wormhole(static_cast<int>(row[0]), point{row[1], row[2]}, row[3], static_cast<int>(row[4]),
                     point{row[5], row[6]}, static_cast<int>(row[7])));
    }
}
}  // namespace

bool initializeStars(Universe& universe) {
    std::cout << "Loading star and planet data" << std::endl;
    WorldTables tables;
    if (!readWorldTables(tables) || !validate(universe, tables)) {
        return false;
    }
    buildStars(universe, tables);
    std::cout << "Now loading wormholes" << std::endl;
    buildWormholes(universe, tables);
    return true;
}
