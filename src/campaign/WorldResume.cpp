#include "campaign/WorldResume.h"

#include <cmath>

#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "combat/Ship.h"
#include "world/Universe.h"

namespace {
const float fullTurn = 6.2831853f;

SavedEnemy savedEnemy(const Ship& ship) {
    return SavedEnemy{ship.type,   ship.tag,          ship.position, ship.velocity,
                      ship.health, ship.damageFactor, ship.reloadMs};
}

// As the spawner sends it, then as it flew.
Ship enemyShip(const SavedEnemy& saved) {
    Ship ship(saved.position, saved.type);
    ship.tag = saved.tag;
    ship.damageFactor = saved.damageFactor;
    ship.ramDamage *= saved.damageFactor;
    ship.velocity = saved.velocity;
    ship.health = saved.health;
    ship.reloadMs = saved.reloadMs;
    ship.calcTheta();
    return ship;
}

// Landed gently, the ship stands on its respawn planet; lost, it waits for a
// new one there.
bool inFlight(const Player& player) { return !player.destroyed && !(player.landed && player.gentleTouchDown); }
}  // namespace

WorldProgress worldProgress(const Campaign& campaign, int now) {
    WorldProgress saved;
    saved.kills = campaign.worldKills;
    if (campaign.spawner) saved.waves = campaign.spawner->progress(now);
    const Player& player = campaign.player;
    if (inFlight(player)) {
        saved.ship = ShipInFlight{player.position, player.velocity, std::fmod(player.angle, fullTurn)};
    }
    const WorldState& world = campaign.universe.worlds[static_cast<size_t>(campaign.world)];
    for (const Star& star : world.stars) {
        for (const Planet& planet : star.planets) saved.orbits.push_back(std::fmod(planet.orbitAngle, fullTurn));
    }
    for (const Ship& ship : world.ships) saved.enemies.push_back(savedEnemy(ship));
    return saved;
}

void resumeWorld(Campaign& campaign, const WorldProgress& saved, int now) {
    campaign.worldKills = saved.kills;
    if (campaign.spawner && saved.waves) campaign.spawner->resume(*saved.waves, now);
    WorldState& world = campaign.universe[campaign.world];
    // Each planet takes its place on its orbit in the first step, as on any start.
    size_t orbit = 0;
    for (Star& star : world.stars) {
        for (Planet& planet : star.planets) {
            if (orbit < saved.orbits.size()) planet.orbitAngle = saved.orbits[orbit++];
        }
    }
    for (const SavedEnemy& enemy : saved.enemies) world.ships.push_back(enemyShip(enemy));
    if (!saved.ship) return;
    Player& player = campaign.player;
    player.landed = false;
    player.position = saved.ship->position;
    player.velocity = saved.ship->velocity;
    player.setAngle(saved.ship->angle);
    player.trail.clear(player.position);
}
