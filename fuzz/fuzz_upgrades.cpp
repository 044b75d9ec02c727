// The upgrades table, then a few choices drawn from it.
#include "FuzzSupport.h"
#include "campaign/UpgradeTable.h"

int fuzzUpgrades(const uint8_t* data, size_t size) {
    prepareFuzzing();
    writeDataFile(upgradesFile, std::string(reinterpret_cast<const char*>(data), size));
    UpgradeTable table;
    if (loadUpgrades(table)) {
        for (uint64_t seed = 0; seed < 8; ++seed) {
            for (size_t index : table.drawChoice(seed)) {
                if (index >= table.upgrades.size()) __builtin_trap();
            }
        }
    }
    restoreShippedData({upgradesFile});
    return 0;
}
