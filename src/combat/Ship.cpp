#include "combat/Ship.h"

#include <cmath>
#include <cstddef>

#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/SpriteBatch.h"
#include "core/VisibleArea.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {

const int chase = 1;
const int flee = 2;
const int keepRange = 3;
const float preferredRange = 500;
const float rangeBand = 0.2f * preferredRange;
const float spriteHalfSize = 40;
// The sprite turns by the heading times this, not quite 180 / pi.
const float spriteDegreesPerRadian = 57.32f;
const float ramDistance = 50;

// A cell of the ship table; a type or column the table lacks reads as 0, which
// makes an inert ship that is retired at its first update.
float shipStat(int type, int column) {
    if (type < 0 || static_cast<std::size_t>(type) >= SHIPDATA.size()) {
        return 0;
    }
    const std::vector<float>& row = SHIPDATA[type];
    return static_cast<std::size_t>(column) < row.size() ? row[column] : 0;
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
      ramDamage(shipStat(type, 4)),
      trail(40, start, 20, 10.0f, 1.0f, 0.0f, 0.0f),
      type(type) {}

bool Ship::update(int dt, WorldState& world, Player* player) {
    if (health <= 0) {
        standardExplosion(position, world);
        world.noteLoss(*this, LossCause::destroyed);
        return false;
    }
    point target = player->position;
    float distance = pointDistance(target, position);
    if (distance < ramDistance && !player->destroyed) {
        player->takeDamage(ramDamage);
        playSound(SoundEffect::ram);
        world.noteLoss(*this, LossCause::rammed);
        return false;
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

    trail.update(position, dt);
    return true;
}

bool Ship::takeDamage(float amount) {
    health -= amount;
    return health > 0;
}

void Ship::addVelocity(point v) {
    velocity.x += v.x;
    velocity.y += v.y;
}

void Ship::addSprite(SpriteBatch& batch) const {
    if (visibleArea.showsSquare(position, spriteHalfSize)) {
        batch.add(textures[enemyTexture], position, spriteHalfSize, theta * spriteDegreesPerRadian);
    }
}

float Ship::getTheta() const { return theta; }

void Ship::calcTheta() { theta = std::atan2(velocity.y, velocity.x) - 1.57f; }

bool Ship::drifts() const { return ai != chase && ai != flee && ai != keepRange; }
