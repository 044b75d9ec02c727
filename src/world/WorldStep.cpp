#include "world/WorldStep.h"

#include <GL/glew.h>

#include <cstdint>

#include "combat/Player.h"
#include "combat/ShipGrid.h"
#include "combat/Timers.h"
#include "core/SpriteBatch.h"
#include "world/ListPass.h"
#include "world/TrailBatch.h"
#include "world/Universe.h"
#include "world/WorldState.h"

void stepWorld(Universe& universe, Player& player, int frameTime, int clockTime) {
    universe.currentWorld().beginStep();
    glColor4f(1, 0, 0, 1);
    // Swirls, shots, trails, explosions and shockwaves add their light, so
    // where they overlap they glow brighter rather than hide each other.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    processWormholes(universe, clockTime);
    processProjectiles(universe.currentWorld(), &player, frameTime, clockTime);
    player.drawTrail(frameTime);
    runTimer(clockTime, universe.currentWorld());

    // The ship, the enemies with their trails and the planets cover what lies
    // behind them, by their alpha; each star adds its light after its planets.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    player.draw();
    processShips(universe.currentWorld(), &player, frameTime);
    processStars(universe.currentWorld(), &player, frameTime);
}

// No ship moves or leaves while the shots fly, so one grid serves them all;
// nothing else draws in this pass, so the shots are drawn together after it.
// Hostile shots look for the player instead.
void processProjectiles(WorldState& world, Player* player, int frameTime, int clockTime) {
    ShipGrid ships(world.ships);
    SpriteBatch sprites;
    keepWhere(world.projectiles, [&](Projectile& projectile) {
        return projectile.update(frameTime, world, clockTime, ships, sprites, player);
    });
    sprites.flush();
}

void processStars(WorldState& world, Player* player, int frameTime) {
    for (size_t i = 0; i < world.stars.size(); ++i) {
        world.stars[i].update(world, player, frameTime);
    }
}

// Each ship's trail, then its body. Trails and bodies wait to be drawn
// together, the trails first; a trail may go before bodies that wait only
// where it crosses none of them, so every pixel sees the same drawing in the
// same order. A body that ends the bodies' run has them drawn after its own
// trail, which leaves them the colour they always took.
void processShips(WorldState& world, Player* player, int frameTime) {
    // Kept from frame to frame, so that a frame allocates nothing once it has grown.
    static TrailBatch trails;
    SpriteBatch bodies;
    auto drawWaiting = [&] {
        trails.flush();
        bodies.flush();
    };
    keepWhere(world.ships, [&](Ship& ship) {
        if (!ship.update(frameTime, world, player)) {
            return false;
        }
        if (!bodies.boxes.empty() && bodies.overlapsWaiting(ship.trail.bounds(ship.position))) {
            drawWaiting();
        }
        ship.trail.draw(ship.position, trails);
        if (ship.endsRun(bodies)) {
            drawWaiting();
        }
        ship.addSprite(bodies);
        return true;
    });
    drawWaiting();
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
