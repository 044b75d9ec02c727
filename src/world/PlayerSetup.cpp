#include "world/PlayerSetup.h"

#include <iostream>

#include "assets/DataReport.h"
#include "assets/EmitterData.h"
#include "assets/Tables.h"
#include "combat/Player.h"
#include "core/Constants.h"

namespace {

const char* const playerFile = "playerdata.txt";

// The values that reach the flight model, where an extreme one turns the
// ship's position into infinity or NaN.
bool checkPlayerRow(const std::vector<float>& row, int line, DataReport& report) {
    bool fits = report.check(line, "start x", row[0], -XBOUND, XBOUND);
    fits = report.check(line, "start y", row[1], -YBOUND, YBOUND) && fits;
    fits = report.check(line, "forward thrust", row[2], -10, 10) && fits;
    fits = report.check(line, "reverse thrust", row[3], -10, 10) && fits;
    fits = report.check(line, "turn rate", row[4], -10, 10) && fits;
    fits = report.check(line, "hit points", row[5], -1e9f, 1e9f) && fits;
    return report.check(line, "radius", row[6], 0, 10000) && fits;
}

// The exhaust draws entry 0 through the flame program; says so once when it cannot.
void reportExhaustEffect() {
    std::string missing = missingEffect(0);
    if (!missing.empty()) {
        std::cout << missing << std::endl;
        DataReport::noteProblem();
    } else if (!emitters[0].empty() && effectDefinition(0, flameSelector).empty()) {
        std::cout << "emitterShade0.txt: the engine flame needs shader selector 0; effect disabled"
                  << std::endl;
        DataReport::noteProblem();
    }
}

}  // namespace

std::unique_ptr<Player> initializePlayer() {
    std::cout << "Loading player data" << std::endl;
    NumberTable table;
    NameTable names;
    RowLines lines;
    DataReport report(playerFile);
    if (!readData(playerFile, 7, table, names, lines, report)) {
        std::cout << "playerdata read failure" << std::endl;
    }
    if (table.empty()) {
        std::cout << "playerdata.txt: no player row, cannot build the ship" << std::endl;
        DataReport::noteProblem();
        return nullptr;
    }
    if (!checkPlayerRow(table[0], lines[0], report)) {
        return nullptr;
    }
    reportExhaustEffect();
    const std::vector<float>& row = table[0];
    return std::make_unique<Player>(point{row[0], row[1]}, row[2], row[3], row[4], row[5], row[6]);
}
