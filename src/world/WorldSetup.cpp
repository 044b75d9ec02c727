#include "world/WorldSetup.h"

#include <algorithm>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "assets/DataReport.h"
#include "assets/EmitterData.h"
#include "assets/NamedImages.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "core/Constants.h"
#include "world/Universe.h"

namespace {
const int starColumns = 7;
const int planetColumns = 9;
const int wormholeColumns = 8;
// Keeps a mistyped world number from asking for millions of worlds.
const float highestWorld = 9999;
// Effect files are numbered from 0; four digits would no longer name one.
const float highestEffect = 999;
const float largestBody = 100000;
const float highestDensity = 1000;
const float widestOrbit = 200000;
const float fastestTurn = 1000;

// One world file as read: rows, names, and where each row starts.
struct WorldTable {
    NumberTable rows;
    NameTable names;
    RowLines lines;
};

struct WorldTables {
    WorldTable stars;
    WorldTable planets;
    WorldTable wormholes;
};

bool readWorldTable(const std::string& file, int columns, WorldTable& table, DataReport& report,
                    const char* failure) {
    if (readData(file.c_str(), columns, table.rows, table.names, table.lines, report)) {
        return true;
    }
    std::cout << failure << std::endl;
    return false;
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

// The picture a row's second name item names, registered to be loaded, or
// -1 for a row without one. A name item cannot hold a space, so every space
// in it was an underscore of the file's name.
int lookOf(const NameTable& names, size_t row) {
    if (row >= names.size() || names[row].size() < 2) return -1;
    return registerImage(underscoresBack(names[row][1]));
}

void checkName(const WorldTable& table, size_t row, DataReport& report) {
    if (!hasName(table.names, row)) report.fail(table.lines[row], "no @name item after the numbers");
}

void checkPosition(DataReport& report, int line, const char* x, const char* y, float px, float py) {
    report.check(line, x, px, -XBOUND, XBOUND);
    report.check(line, y, py, -YBOUND, YBOUND);
}

void checkStars(const WorldTable& stars, DataReport& report) {
    for (size_t i = 0; i < stars.rows.size(); ++i) {
        const auto& star = stars.rows[i];
        int line = stars.lines[i];
        report.check(line, "world number", star[0], 0, highestWorld);
        checkPosition(report, line, "x", "y", star[1], star[2]);
        report.check(line, "radius", star[3], 0, largestBody);
        report.check(line, "density", star[4], 0, highestDensity);
        report.checkFinite(line, "spare value", star[5]);
        report.check(line, "texture slot", star[6], 0, textureCount - 1);
        checkName(stars, i, report);
    }
}

void checkPlanets(const WorldTable& planets, size_t starCount, DataReport& report) {
    for (size_t j = 0; j < planets.rows.size(); ++j) {
        const auto& planet = planets.rows[j];
        int line = planets.lines[j];
        if (starRowOf(planet, starCount) < 0) {
            report.warn(line, "star row " + describe(planet[0]) + " does not exist; planet left out");
            continue;
        }
        report.check(line, "radius", planet[1], 0, largestBody);
        report.check(line, "density", planet[2], 0, highestDensity);
        report.check(line, "orbit radius", planet[3], 0, widestOrbit);
        report.check(line, "orbit speed", planet[4], -fastestTurn, fastestTurn);
        report.checkFinite(line, "orbit angle", planet[5]);
        report.check(line, "spin rate", planet[6], -fastestTurn, fastestTurn);
        report.checkFinite(line, "spin angle", planet[7]);
        report.check(line, "texture slot", planet[8], 0, textureCount - 1);
        checkName(planets, j, report);
    }
}

// Stars and wormholes with a usable world number name the worlds that will exist.
size_t worldCountAfterLoading(const Universe& universe, const WorldTables& tables) {
    size_t count = universe.worlds.size();
    for (const WorldTable* table : {&tables.stars, &tables.wormholes}) {
        for (const auto& row : table->rows) {
            if (row[0] >= 0 && row[0] <= highestWorld) {
                count = std::max(count, static_cast<size_t>(row[0]) + 1);
            }
        }
    }
    return count;
}

// A wormhole draws its swirl through a selector 1 definition; a flame there
// would set a uniform the flame program lacks every frame. Entry 0 is the
// engine flame, so a row naming it is wrong; any other entry that is no
// swirl is its own file's fault, and only that swirl is switched off. A
// missing or refused effect is said once per effect.
void checkWormholeEffect(float index, int line, DataReport& report, std::set<float>& reported) {
    if (!report.check(line, "effect index", index, 0, highestEffect)) {
        return;
    }
    size_t entry = static_cast<size_t>(index);
    std::string problem = missingEffect(entry);
    if (problem.empty() && !emitters[entry].empty() && effectDefinition(entry, swirlSelector).empty()) {
        if (entry == 0) {
            report.fail(line, "effect index 0 names a flame, not a wormhole swirl");
            return;
        }
        problem = emitterFileName(static_cast<int>(entry)) +
                  ": a wormhole swirl needs shader selector 1; effect disabled";
    }
    if (!problem.empty() && reported.insert(index).second) {
        std::cout << problem << std::endl;
        DataReport::noteProblem();
    }
}

void checkWormholes(const WorldTable& wormholes, float worldCount, DataReport& report) {
    std::set<float> reportedEffects;
    for (size_t k = 0; k < wormholes.rows.size(); ++k) {
        const auto& wormhole = wormholes.rows[k];
        int line = wormholes.lines[k];
        report.check(line, "source world", wormhole[0], 0, highestWorld);
        checkPosition(report, line, "x", "y", wormhole[1], wormhole[2]);
        report.check(line, "capture radius", wormhole[3], 0, largestBody);
        report.check(line, "destination world", wormhole[4], 0, worldCount - 1);
        checkPosition(report, line, "exit x", "exit y", wormhole[5], wormhole[6]);
        checkWormholeEffect(wormhole[7], line, report, reportedEffects);
    }
}

void growTo(Universe& universe, float world) {
    if (world + 1 > universe.worlds.size()) {
        universe.worlds.resize(static_cast<size_t>(world + 1));
    }
}

void buildStars(Universe& universe, const WorldTables& tables) {
    const WorldTable& stars = tables.stars;
    const WorldTable& planets = tables.planets;
    for (size_t i = 0; i < stars.rows.size(); ++i) {
        const auto& row = stars.rows[i];
        Star star(point{row[1], row[2]}, row[3], row[4], row[5], static_cast<int>(row[6]),
                  stars.names[i][0]);
        star.look = lookOf(stars.names, i);
        for (size_t j = 0; j < planets.rows.size(); ++j) {
            const auto& p = planets.rows[j];
            if (starRowOf(p, stars.rows.size()) != static_cast<long>(i)) {
                continue;
            }
            Planet planet(p[1], p[2], p[3], p[4], p[5], p[6], p[7], static_cast<int>(p[8]),
                          planets.names[j][0]);
            planet.look = lookOf(planets.names, j);
            star.addPlanet(planet);
            std::cout << "Adding " << shortened(planet.getName()) << " to " << shortened(star.getName())
                      << std::endl;
        }
        growTo(universe, row[0]);
        universe.worlds[static_cast<size_t>(row[0])].stars.push_back(std::move(star));
    }
}

void buildWormholes(Universe& universe, const WorldTables& tables) {
    for (const auto& row : tables.wormholes.rows) {
        growTo(universe, row[0]);
        universe.worlds[static_cast<size_t>(row[0])].wormholes.push_back(
            Wormhole(static_cast<int>(row[0]), point{row[1], row[2]}, row[3], static_cast<int>(row[4]),
                     point{row[5], row[6]}, static_cast<int>(row[7])));
    }
}
}  // namespace

// Every row is checked before anything is built, so a bad file leaves the
// universe as it was.
bool initializeStars(Universe& universe, const WorldFiles& files) {
    std::cout << "Loading star and planet data" << std::endl;
    WorldTables tables;
    DataReport stars(files.stars);
    DataReport planets(files.planets);
    DataReport wormholes(files.wormholes);
    bool read = readWorldTable(files.stars, starColumns, tables.stars, stars, "Stardata read failure");
    if (read || checkingEverything()) {
        read = readWorldTable(files.planets, planetColumns, tables.planets, planets, "planetdata read failure") &&
               read;
    }
    if (read || checkingEverything()) {
        read = readWorldTable(files.wormholes, wormholeColumns, tables.wormholes, wormholes,
                              "wormhole read failure") &&
               read;
    }
    if (!read && !checkingEverything()) {
        return false;
    }
    checkStars(tables.stars, stars);
    checkPlanets(tables.planets, tables.stars.rows.size(), planets);
    checkWormholes(tables.wormholes, static_cast<float>(worldCountAfterLoading(universe, tables)),
                   wormholes);
    if (!read || stars.failed() || planets.failed() || wormholes.failed()) {
        return false;
    }
    buildStars(universe, tables);
    std::cout << "Now loading wormholes" << std::endl;
    buildWormholes(universe, tables);
    return true;
}
