// The three world files through the loader, then a few frames in every world
// and a jump through each of its wormholes.
#include "FuzzSupport.h"
#include "combat/Player.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

int fuzzWorld(const uint8_t* data, size_t size) {
    prepareFuzzing();
    std::vector<std::string> files = splitInput(data, size, 3);
    writeDataFile("stardata.txt", files[0]);
    writeDataFile("planetdata.txt", files[1]);
    writeDataFile("wormholedata.txt", files[2]);
    Player player(point{0, -6000}, 0.001f, 0.003f, 0.003f, 1000, 45);
    Universe universe;
    universe.worlds.resize(1);
    universe.player = &player;
    if (initializeStars(universe)) {
        for (size_t w = 0; w < universe.worlds.size() && w < 12; ++w) {
            player.warpWorld(static_cast<int>(w));
            spawnEachType(universe);
            playFrames(universe, 3);
            for (const Wormhole& wormhole : universe.worlds[w].wormholes) {
                player.warpWorld(static_cast<int>(w));
                player.position = wormhole.position;
                player.warpArmed = true;
                playFrames(universe, 2);
            }
        }
    }
    restoreShippedData({"stardata.txt", "planetdata.txt", "wormholedata.txt"});
    return 0;
}
