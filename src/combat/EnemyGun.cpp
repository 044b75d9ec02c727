#include "combat/EnemyGun.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "combat/Player.h"
#include "combat/Projectile.h"
#include "combat/Ship.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {

// Half the angle a shot may stray from its aim, in radians.
const float spread = 0.05f;
// A default ship's shot is drawn at this half-size; bigger ships' bigger.
const float shotSize = 40;

// Reach of a shot of that weapon row; a shot that never expires reaches anywhere.
bool withinReach(int weapon, float distance) {
    float lifetime = weaponStat(weapon, LIFETIME);
    return lifetime < 0 || distance <= weaponStat(weapon, GUNSPEED) * lifetime;
}

point turned(point v, float radians) {
    float c = std::cos(radians);
    float s = std::sin(radians);
    return point{v.x * c - v.y * s, v.x * s + v.y * c};
}

float randomSpread() { return spread * (2.0f * static_cast<float>(std::rand()) / RAND_MAX - 1.0f); }

}  // namespace

point leadTarget(point from, float speed, point target, point velocity) {
    double t = interceptTime(point{target.x - from.x, target.y - from.y}, velocity, speed);
    if (!(t > 0) || !std::isfinite(t)) return target;
    return point{static_cast<float>(target.x + velocity.x * t), static_cast<float>(target.y + velocity.y * t)};
}

void fireAtPlayer(Ship& ship, int dt, WorldState& world, const Player& player) {
    if (!ship.armed()) return;
    ship.reloadMs = std::max(0, ship.reloadMs - dt);
    float distance = pointDistance(ship.position, player.position);
    if (ship.reloadMs > 0 || player.destroyed || !withinReach(ship.weapon, distance)) return;
    ship.reloadMs = ship.fireIntervalMs;

    // The shot carries the ship's own velocity, as the player's shots do, so
    // it is aimed in the ship's frame.
    float speed = weaponStat(ship.weapon, GUNSPEED);
    point relative{player.velocity.x - ship.velocity.x, player.velocity.y - ship.velocity.y};
    point aim = leadTarget(ship.position, speed, player.position, relative);
    point direction = turned(point{aim.x - ship.position.x, aim.y - ship.position.y}, randomSpread());
    float length = std::hypot(direction.x, direction.y);
    if (length == 0) return;
    // From the nose, so it does not seem to come out of the hull's middle.
    float out = 0.8f * ship.radius / length;
    point muzzle{ship.position.x + direction.x * out, ship.position.y + direction.y * out};
    Projectile shot(muzzle, direction.x, direction.y, speed, world, ship.weapon, false,
                    static_cast<int>(weaponStat(ship.weapon, LIFETIME)), ship.velocity.x, ship.velocity.y);
    shot.hostile = true;
    shot.damage *= ship.damageFactor;
    shot.size = shotSize * std::sqrt(ship.radius / Ship::defaultRadius);
    world.projectiles.push_front(shot);
    playSound(SoundEffect::enemyShot, muzzle);
}
