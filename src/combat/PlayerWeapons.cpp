#include <GL/glew.h>

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "assets/ShipLooks.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {

const int laserWeapon = 1;

// Whole game units, as the dead zone counts them. Far past the world (or NaN)
// is held at a bound that int can take, and their difference too.
int wholeUnits(float coordinate) {
    const float bound = 1e9f;
    if (!(coordinate > -bound)) return -static_cast<int>(bound);
    if (!(coordinate < bound)) return static_cast<int>(bound);
    return static_cast<int>(coordinate);
}

// Too close to the ship's centre to give a sensible aim.
bool insideDeadZone(point from, point to) {
    int dx = wholeUnits(from.x) - wholeUnits(to.x);
    int dy = wholeUnits(from.y) - wholeUnits(to.y);
    return std::abs(dx) <= DEADZONE && std::abs(dy) <= DEADZONE;
}

// Step along `direction` from `start` to the edge of the square on one axis;
// 0 when the direction does not move on that axis.
float stepsToBound(float start, float direction, float bound) {
    if (direction > 0) {
        return (bound - start) / direction;
    }
    if (direction < 0) {
        return (-bound - start) / direction;
    }
    return 0;
}

// Where the ray from `start` along `direction` leaves the world.
point beamEnd(point start, point direction) {
    float tx = stepsToBound(start.x, direction.x, XBOUND);
    float ty = stepsToBound(start.y, direction.y, YBOUND);
    float t;
    if (tx < ty && tx != 0) {
        t = tx;
    } else if (ty != 0) {
        t = ty;
    } else {
        t = tx;
    }
    return point{start.x + t * direction.x, start.y + t * direction.y};
}

// A star or planet on the beam whose centre is nearer than the ship's stops it.
bool beamBlocked(point start, point end, const WorldState& world, float shipDistance) {
    auto blocks = [&](point centre, float radius) {
        return intersectCircleLine(start, end, centre, radius) && pointDistance(start, centre) < shipDistance;
    };
    for (const Star& star : world.stars) {
        if (blocks(star.position, star.getRadius())) {
            return true;
        }
        for (const Planet& planet : star.planets) {
            if (blocks(planet.position, planet.getRadius())) {
                return true;
            }
        }
    }
    return false;
}

void drawBeam(point start, point end, point direction, GLuint texture) {
    glPushMatrix();
    glTranslatef(start.x, start.y, 0);
    float length = pointDistance(end, start);
    float degrees = (std::atan2(direction.y, direction.x) - 1.57f) * 57.2958f;
    glBindTexture(GL_TEXTURE_2D, texture);
    glRotatef(degrees, 0, 0, 1);
    // The whole beam samples the texture's middle row.
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0.5f);
    glVertex2f(-10, 0);
    glTexCoord2f(0, 0.5f);
    glVertex2f(-10, length);
    glTexCoord2f(1, 0.5f);
    glVertex2f(10, length);
    glTexCoord2f(1, 0.5f);
    glVertex2f(10, 0);
    glEnd();
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
}

// The beam stops at its reach, when it has one short of the world's edge.
point reachedEnd(point start, point end, float reach) {
    float length = pointDistance(start, end);
    if (reach <= 0 || length <= reach) return end;
    float share = reach / length;
    return point{start.x + (end.x - start.x) * share, start.y + (end.y - start.y) * share};
}

void fireLaser(point start, WorldState& world, point target, int dt, const ShipUpgrades& upgrades) {
    point direction{target.x - start.x, target.y - start.y};
    if (direction.x == 0 && direction.y == 0) {
        return;  // no direction to cast along
    }
    point end = reachedEnd(start, beamEnd(start, direction), upgrades.laserReach);
    Ship* ship = nearestShipOnSegment(start, end, world.ships);
    if (ship != nullptr && !beamBlocked(start, end, world, pointDistance(start, ship->position))) {
        end = ship->position;
        ship->takeDamage(weaponStat(laserWeapon, DAMAGE) * upgrades.laserDamage * dt, start, world);
    }
    // The campaign draws the beam in the player's own colour.
    bool ownLook = world.hitFeedback && playerBeamSprite() != 0;
    drawBeam(start, end, direction, ownLook ? playerBeamSprite() : textures[laserTexture]);
}

point turned(point direction, float radians) {
    float c = std::cos(radians);
    float s = std::sin(radians);
    return point{direction.x * c - direction.y * s, direction.x * s + direction.y * c};
}

// The fan's extra shots alternate sides, each pair a step farther out.
float fanOffset(int extra) {
    float step = static_cast<float>((extra + 1) / 2) * ShipUpgrades::spreadStep;
    return extra % 2 == 1 ? -step : step;
}

}  // namespace

float Player::cooldownOf(int number) const {
    float cooldown = weaponStat(number, COOLDOWN);
    return number == 0 ? cooldown / upgrades.gunRate : cooldown;
}

void Player::fireShot(WorldState& world, int number, point direction) {
    Projectile shot(position, direction.x, direction.y, weaponStat(number, GUNSPEED), world, number, true,
                    static_cast<int>(weaponStat(number, LIFETIME)), velocity.x, velocity.y);
    if (number == 0) shot.damage *= upgrades.gunDamage;
    if (number == 2) {
        shot.blastScale = upgrades.shockwaveRadius;
        shot.blastPullPerMs = upgrades.shockwavePullPerMs;
    }
    world.projectiles.push_front(shot);
}

void Player::shoot(unsigned now, WorldState& currentWorld, point target, int dt) {
    if (destroyed) {
        return;
    }
    int number = weapon + weaponOffset;
    if (number > maxWeapons) {
        std::cout << "Error, weapon number exceeded" << std::endl;
        weapon = 0;
        weaponOffset = 0;
    }
    if (number == laserWeapon) {
        fireLaser(position, currentWorld, target, dt, upgrades);
        playSound(SoundEffect::laser);
    }
    bool gun = number == 0 || number == 2;
    if (!gun || !(static_cast<float>(now) > nextShotTime) || insideDeadZone(position, target)) {
        return;
    }
    nextShotTime = static_cast<float>(now) + cooldownOf(number);
    point aim{target.x - position.x, target.y - position.y};
    fireShot(currentWorld, number, aim);
    for (int extra = 1; number == 0 && extra <= upgrades.gunSpread; ++extra) {
        fireShot(currentWorld, number, turned(aim, fanOffset(extra)));
    }
    playSound(number == 0 ? SoundEffect::gunShot : SoundEffect::shockwaveShot);
}
