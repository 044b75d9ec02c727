// An emitter definition file, then the player's exhaust and a wormhole drawn
// from each definition read.
#include <memory>

#include "FuzzSupport.h"
#include "assets/EmitterData.h"
#include "combat/Player.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"

int fuzzEmitters(const uint8_t* data, size_t size) {
    prepareFuzzing();
    writeDataFile("emitterShade0.txt", std::string(reinterpret_cast<const char*>(data), size));
    emitters = readAndExpandEmitterData();
    std::unique_ptr<Player> player = initializePlayer();
    if (player) {
        Universe universe;
        universe.worlds.resize(1);
        universe.player = player.get();
        for (size_t e = 0; e < emitters.size(); ++e) {
            universe.worlds[0].wormholes.push_back(
                Wormhole(0, point{player->position.x + 500, player->position.y}, 300, 0, point{0, 0},
                         static_cast<int>(e)));
        }
        playFrames(universe, 4);
    }
    restoreShippedData({"emitterShade0.txt"});
    return 0;
}
