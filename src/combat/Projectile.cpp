#include "combat/Projectile.h"

#include <GL/glew.h>

#include <cmath>
#include <memory>

#include "assets/ShipLooks.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/ShipGrid.h"
#include "combat/TShockwave.h"
#include "combat/Targeting.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/SpriteBatch.h"
#include "core/VisibleArea.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {

// Flips a velocity component at the edge and puts the shot back inside, as if
// it had flown the frame backwards.
bool bounceOff(float& coordinate, float& speed, float bound, int dt) {
    if (coordinate <= bound && coordinate >= -bound) {
        return false;
    }
    speed = -speed;
    coordinate += 2 * speed * dt;
    return true;
}

bool outside(point p) { return p.x > XBOUND || p.x < -XBOUND || p.y > YBOUND || p.y < -YBOUND; }

// Shots out of view are not drawn.
void drawShot(SpriteBatch& sprites, point position, float theta, float half, GLuint texture,
              SpriteTint tint = SpriteTint::current) {
    if (visibleArea.showsSquare(position, half)) {
        sprites.add(texture, position, half, theta * 57.2958f, tint);
    }
}

// The path flown this frame crosses the player's circle; a destroyed ship
// is not there to be hit.
bool hitsPlayer(point from, point to, const Player* player) {
    return player != nullptr && !player->destroyed &&
           intersectCircleLine(from, to, player->position, player->getRadius());
}

void startShockwave(point position, WorldState& world, int now, float scale, float pullPerMs) {
    auto wave = std::make_unique<TShockwave>(static_cast<int>(std::lround(200 * scale)), now, 2000, position);
    wave->pullPerMs = pullPerMs;
    wave->startTime = 0;
    wave->endTime = now + 2000;
    addTimer(std::move(wave), world);
    playSound(SoundEffect::shockwaveBurst, position);
}

}  // namespace

Projectile::Projectile(point start, float dirX, float dirY, float speed, WorldState&, int weaponNumber,
                       bool bouncing, int life, float inheritX, float inheritY)
    : weapon(weaponNumber),
      theta(0),
      bounces(bouncing),
      position(start),
      lifetime(life),
      velocity{0, 0},
      damage(weaponStat(weaponNumber, DAMAGE)) {
    double length = std::sqrt(static_cast<double>(dirX) * dirX + static_cast<double>(dirY) * dirY);
    // A zero aim gives the shot only the inherited velocity rather than NaN.
    if (length > 0) {
        velocity.x = static_cast<float>(dirX * speed / length);
        velocity.y = static_cast<float>(dirY * speed / length);
    }
    calcTheta();
    velocity.x += inheritX;
    velocity.y += inheritY;
    if (dirX == 0 && dirY == 0) {
        theta = 0;
    }
}

void Projectile::calcTheta() { theta = std::atan2(velocity.y, velocity.x) - 1.57f; }

void Projectile::addVelocity(point v) {
    velocity.x += v.x;
    velocity.y += v.y;
}

bool Projectile::update(int dt, WorldState& world, int now, Player* player) {
    SpriteBatch sprites;
    bool kept = update(dt, world, now, ShipGrid(world.ships), sprites, player);
    sprites.flush();
    return kept;
}

bool Projectile::update(int dt, WorldState& world, int now, const ShipGrid& ships, SpriteBatch& sprites,
                        Player* player) {
    point previous = position;
    position.x += velocity.x * dt;
    position.y += velocity.y * dt;

    if (!bounces) {
        if (outside(position)) {
            return false;
        }
    } else {
        if (bounceOff(position.x, velocity.x, XBOUND, dt)) {
            calcTheta();
        }
        if (bounceOff(position.y, velocity.y, YBOUND, dt)) {
            calcTheta();
        }
    }

    bool expired = lifetime >= 0 && lifetime < dt;
    if (hostile) {
        if (expired) {
            return false;
        }
        if (hitsPlayer(previous, position, player)) {
            // A shielded ship swallows the shot without a sound.
            if (player->shieldTime <= 0) playSound(SoundEffect::playerHit);
            player->takeDamage(damage);
            return false;
        }
        if (enemyShotSprite() != 0) {
            drawShot(sprites, position, theta, size, enemyShotSprite(), SpriteTint::own);
        } else {
            drawShot(sprites, position, theta, size, textures[gunShotTexture]);
        }
    } else if (weapon == 0) {
        if (expired || handleCollision(previous, ships, world)) {
            return false;
        }
        // The campaign draws the player's shots in the player's own colour.
        if (world.hitFeedback && playerShotSprite() != 0) {
            drawShot(sprites, position, theta, size, playerShotSprite(), SpriteTint::own);
        } else {
            drawShot(sprites, position, theta, size, textures[gunShotTexture]);
        }
    } else if (weapon == 2) {
        if (expired || handleCollision(previous, ships, world)) {
            startShockwave(position, world, now, blastScale, blastPullPerMs);
            return false;
        }
        drawShot(sprites, position, theta, size, textures[shockwaveShotTexture]);
    }
    lifetime -= dt;
    return true;
}

bool Projectile::handleCollision(point previous, const ShipGrid& ships, WorldState& world) {
    Ship* hit = ships.nearestOnSegment(position, previous);
    if (hit == nullptr) {
        return false;
    }
    if (weapon == 0) {
        hit->takeDamage(damage, previous, world);
    }
    return true;
}
