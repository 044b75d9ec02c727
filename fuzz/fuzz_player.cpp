// The player file, then the ship flying, turning and firing among enemies.
#include <memory>

#include "FuzzSupport.h"
#include "combat/Player.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"

int fuzzPlayer(const uint8_t* data, size_t size) {
    prepareFuzzing();
    writeDataFile("playerdata.txt", std::string(reinterpret_cast<const char*>(data), size));
    std::unique_ptr<Player> player = initializePlayer();
    if (player) {
        Universe universe;
        universe.worlds.resize(1);
        universe.player = player.get();
        spawnEachType(universe);
        playFrames(universe, 12);
    }
    restoreShippedData({"playerdata.txt"});
    return 0;
}
