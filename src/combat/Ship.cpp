#include "combat/Ship.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>

#include "assets/NamedImages.h"
#include "assets/ShipLooks.h"
#include "assets/Tables.h"
#include "combat/EnemyGun.h"
#include "combat/Player.h"
#include "combat/TSpark.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "core/SpriteBatch.h"
#include "core/VisibleArea.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {

const int chase = 1;
const int flee = 2;
const int keepRange = 3;
// Flees a ship that comes close, circles it at a distance, and comes back
// when left behind: worth chasing, and never far.
const int skirmish = 4;
const float skirmishNear = 1200;
const float skirmishFar = 2600;
const float preferredRange = 500;
const float rangeBand = 0.2f * preferredRange;
// The sprite's half-size for each unit of radius: 40 for the default ship.
const float spriteScale = 0.8f;
// A type's own sprite is drawn larger, so that it reads at the default zoom:
// the shape in it, which leaves a margin, about fills the hit circle.
const float ownSpriteScale = 1.25f;
// The sprite turns by the heading times this, not quite 180 / pi.
const float spriteDegreesPerRadian = 57.32f;
// A big ship and the player part at least this fast after a ram.
const float ramRebound = 0.4f;
const float sparkSpeed = 0.25f;
const float sparkScale = 1.3f;

// A cell of the ship table; a type or column the table lacks reads as 0, which
// makes an inert ship that is retired at its first update.
float shipStat(int type, int column) {
    if (type < 0 || static_cast<std::size_t>(type) >= SHIPDATA.size()) {
        return 0;
    }
    const std::vector<float>& row = SHIPDATA[type];
    return static_cast<std::size_t>(column) < row.size() ? row[column] : 0;
}

bool armedRow(int type) {
    return type >= 0 && static_cast<std::size_t>(type) < SHIPDATA.size() &&
           SHIPDATA[type].size() >= armedShipColumns;
}

float rowRadius(int type) {
    float radius = shipStat(type, shipRadiusColumn);
    return radius > 0 ? radius : Ship::defaultRadius;
}

// The way from `from` to `to`, of length 1; straight up when they meet.
point unitToward(point from, point to) {
    point d{to.x - from.x, to.y - from.y};
    float length = std::sqrt(d.x * d.x + d.y * d.y);
    return length > 0 ? point{d.x / length, d.y / length} : point{0, 1};
}

void limitSpeed(point& velocity, float topSpeed) {
    if (topSpeed < 0) {
        return;
    }
    double speed = std::sqrt(static_cast<double>(velocity.x) * velocity.x +
                             static_cast<double>(velocity.y) * velocity.y);
    if (speed > topSpeed) {
        double factor = speed / topSpeed;
        velocity.x = static_cast<float>(velocity.x / factor);
        velocity.y = static_cast<float>(velocity.y / factor);
    }
}

void push(point& velocity, point direction, float scale) {
    velocity.x += direction.x * scale;
    velocity.y += direction.y * scale;
}

// Stops at the edge but keeps any velocity that leads back inside.
void slideAlongBound(float& coordinate, float& speed, float bound) {
    if (coordinate > bound) {
        coordinate = bound;
        if (speed > 0) {
            speed = 0;
        }
    } else if (coordinate < -bound) {
        coordinate = -bound;
        if (speed < 0) {
            speed = 0;
        }
    }
}

}  // namespace

Ship::Ship(point start, int type)
    : position(start),
      theta(0),
      ai(static_cast<int>(shipStat(type, 0))),
      velocity{0, 0},
      thrust(shipStat(type, 1)),
      topSpeed(shipStat(type, 2)),
      health(shipStat(type, 3)),
      fullHealth(health),
      ramDamage(shipStat(type, 4)),
      trail(40, start, 20, 10.0f, 1.0f, 0.0f, 0.0f),
      type(type),
      radius(rowRadius(type)),
      weapon(armedRow(type) ? static_cast<int>(shipStat(type, shipWeaponColumn)) : -1),
      fireIntervalMs(static_cast<int>(shipStat(type, shipFireIntervalColumn))),
      reloadMs(fireIntervalMs) {}

bool Ship::update(int dt, WorldState& world, Player* player) {
    if (health <= 0) {
        shipExplosion(position, radius, world);
        world.noteLoss(*this, LossCause::destroyed);
        return false;
    }
    flashMs = std::max(0, flashMs - dt);
    sparkWaitMs = std::max(0, sparkWaitMs - dt);
    point target = player->position;
    float distance = pointDistance(target, position);
    if (distance < radius && !player->destroyed) {
        player->takeDamage(ramDamage);
        playSound(SoundEffect::ram);
        // A ship of the default size or smaller is spent in the ram; a bigger
        // one survives it, so ramming is no way past a boss.
        if (radius <= defaultRadius) {
            world.noteLoss(*this, LossCause::rammed);
            return false;
        }
        partFrom(*player);
    }

    // Steering pushes are per update, not per millisecond.
    point toPlayer{target.x - position.x, target.y - position.y};
    if (ai == chase) {
        push(velocity, toPlayer, thrust / distance);
        limitSpeed(velocity, topSpeed);
        calcTheta();
    } else if (ai == flee) {
        push(velocity, toPlayer, -thrust / distance);
        limitSpeed(velocity, topSpeed);
        calcTheta();
    } else if (ai == skirmish) {
        skirmishWith(toPlayer, distance);
    } else if (ai == keepRange) {
        calcTheta();
        float k = thrust / distance;
        if (distance < preferredRange) {
            k = -k;
        }
        float offRange = std::fabs(distance - preferredRange);
        if (offRange >= rangeBand) {
            push(velocity, toPlayer, k);
        } else {
            // Inside the band the push fades out and the ship settles, nose on.
            push(velocity, toPlayer, k * offRange / rangeBand);
            velocity.x *= 0.98f;
            velocity.y *= 0.98f;
            theta = std::atan2(toPlayer.y, toPlayer.x) - 1.57f;
        }
        limitSpeed(velocity, topSpeed);
    }

    position.x += velocity.x * dt;
    position.y += velocity.y * dt;
    slideAlongBound(position.x, velocity.x, XBOUND);
    slideAlongBound(position.y, velocity.y, YBOUND);

    fireAtPlayer(*this, dt, world, *player);
    trail.update(position, dt);
    return true;
}

// After a ram the two are put rim to centre (a landed player stays where it
// is and the ship moves) and part: the player outward, the ship no longer
// closing in, so the next ram takes another approach.
void Ship::partFrom(Player& player) {
    point out = unitToward(position, player.position);
    point rim{out.x * (radius + 1), out.y * (radius + 1)};
    if (player.landed) {
        position = point{player.position.x - rim.x, player.position.y - rim.y};
    } else {
        player.position = point{position.x + rim.x, position.y + rim.y};
        float parting = dot(player.velocity, out) - dot(velocity, out);
        if (parting < ramRebound) {
            float share = ramRebound - parting;
            player.addVelocity(point{out.x * share, out.y * share});
        }
    }
    float closing = dot(velocity, out);
    if (closing > 0) {
        velocity = point{velocity.x - out.x * closing, velocity.y - out.y * closing};
    }
}

bool Ship::takeDamage(float amount, point from, WorldState& world) {
    health -= amount;
    if (world.hitFeedback) {
        flashMs = flashDurationMs;
        if (sparkWaitMs == 0) {
            sparkWaitMs = sparkGapMs;
            point out = unitToward(position, from);
            point at{position.x + out.x * radius, position.y + out.y * radius};
            addTimer(std::make_unique<TSpark>(static_cast<int>(worldTicks()), at,
                                              point{out.x * sparkSpeed, out.y * sparkSpeed}, sparkScale * radius,
                                              shipLook(type).colour),
                     world);
            playSound(SoundEffect::enemyHit, at);
        }
    }
    return health > 0;
}

void Ship::addVelocity(point v) {
    velocity.x += v.x;
    velocity.y += v.y;
}

void Ship::addSprite(SpriteBatch& batch) const {
    float half = (namedImage(shipLook(type).image) != 0 ? ownSpriteScale : spriteScale) * radius;
    if (visibleArea.showsSquare(position, half)) {
        batch.add(shipSprite(type), position, half, theta * spriteDegreesPerRadian, tint());
    }
}

bool Ship::endsRun(const SpriteBatch& batch) const {
    return visibleArea.showsSquare(position, spriteScale * radius) && batch.endsRun(shipSprite(type), tint());
}

// enemy.png takes the colour the ship's trail leaves current, as it always
// has; a sprite of the type's own is drawn in its own colours.
SpriteTint Ship::tint() const {
    if (flashMs > 0) return SpriteTint::bright;
    return namedImage(shipLook(type).image) != 0 ? SpriteTint::own : SpriteTint::current;
}

float Ship::getTheta() const { return theta; }

void Ship::calcTheta() { theta = std::atan2(velocity.y, velocity.x) - 1.57f; }

bool Ship::drifts() const { return ai != chase && ai != flee && ai != keepRange && ai != skirmish; }

void Ship::skirmishWith(point toPlayer, float distance) {
    float k = thrust / distance;
    if (distance < skirmishNear) {
        push(velocity, toPlayer, -k);
    } else if (distance < skirmishFar) {
        push(velocity, point{-toPlayer.y, toPlayer.x}, k);
    } else {
        push(velocity, toPlayer, k);
    }
    limitSpeed(velocity, topSpeed);
    calcTheta();
}
