#include "world/WorldStep.h"

#include <vector>

#include "app/Hud.h"
#include "world/ListPass.h"
#include "world/Universe.h"
#include "world/WorldState.h"

void processProjectiles(WorldState& world, int frameTime, int clockTime) {
    keepWhere(world.projectiles,
              [&](Projectile& projectile) { return projectile.update(frameTime, world, clockTime); });
}

void processStars(WorldState& world, Player* player, int frameTime) {
    for (size_t i = 0; i < world.stars.size(); ++i) {
        world.stars[i].update(world, player, frameTime);
    }
}

void processShips(WorldState& world, Player* player, int frameTime) {
    keepWhere(world.ships, [&](Ship& ship) {
        if (!ship.update(frameTime, world, player)) {
            return false;
        }
        drawEnemy(ship.position, ship.getTheta());
        return true;
    });
}

// The wormholes run on copies: the stored ones, effect clocks included, stay
// as they were loaded, while the jump itself acts on the real player and worlds.
void processWormholes(Universe& universe, int clockTime) {
    std::vector<Wormhole> wormholes = universe.currentWorld().wormholes;
    for (Wormhole& wormhole : wormholes) {
        wormhole.update(universe, clockTime);
    }
}
