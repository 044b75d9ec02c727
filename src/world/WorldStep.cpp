#include "world/WorldStep.h"

#include <cstdint>

#include "app/Hud.h"
#include "combat/ShipGrid.h"
#include "core/VisibleArea.h"
#include "world/ListPass.h"
#include "world/Universe.h"
#include "world/WorldState.h"

namespace {
// The enemy sprite's half-size of 40, turned any way.
const float enemySpriteReach = 40 * 1.415f;
}  // namespace

// No ship moves or leaves while the shots fly, so one grid serves them all.
void processProjectiles(WorldState& world, int frameTime, int clockTime) {
    ShipGrid ships(world.ships);
    keepWhere(world.projectiles,
              [&](Projectile& projectile) { return projectile.update(frameTime, world, clockTime, ships); });
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
        if (visibleArea.shows(ship.position, enemySpriteReach)) {
            drawEnemy(ship.position, ship.getTheta());
        }
        return true;
    });
}

// The stored wormholes stay as they were loaded: each effect's clock is put
// back after its run. A jump moves the player to another world, but the rest
// of the departure world's wormholes still run in this pass.
void processWormholes(Universe& universe, int clockTime) {
    for (Wormhole& wormhole : universe.currentWorld().wormholes) {
        std::uint32_t started = wormhole.effect.elapsedTime;
        wormhole.update(universe, clockTime);
        wormhole.effect.elapsedTime = started;
    }
}
