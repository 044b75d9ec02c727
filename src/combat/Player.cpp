#include "combat/Player.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>

#include "assets/EmitterData.h"
#include "assets/Textures.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "sound/Sound.h"

namespace {

// Counting quiet time stops here: far past any shield's wait.
const int longQuietMs = 1 << 30;

// The flame reaches some 300 units behind the ship; twice that leaves room
// for a longer one.
const float exhaustReach = 600;

// The exhaust uses the first emitter definition; without a flame there the
// emitter is built empty and stays inert.
EmitterDefinition exhaustDefinition() { return effectDefinition(0, flameSelector); }

// Stops at the world's edge and drops the velocity component that pushed out.
void clampToBound(float& coordinate, float& speed, float bound) {
    if (coordinate > bound) {
        coordinate = bound;
        speed = 0;
    }
    if (coordinate < -bound) {
        coordinate = -bound;
        speed = 0;
    }
}

}  // namespace

Player::Player(point startPosition, float forward, float reverse, float turn, float hitPoints,
               float size)
    : position(startPosition),
      forwardAccel(forward),
      reverseAccel(reverse),
      turnRate(turn),
      health(hitPoints),
      radius(size),
      exhaust(exhaustDefinition()),
      trail(200, startPosition, 20, 10.0f, 0.0f, 1.0f, 1.0f) {
    exhaust.reach = exhaustReach;
}

int Player::getWorld() const { return world; }

void Player::warpWorld(int newWorld) {
    trail.clear(position);
    world = newWorld;
}

float Player::getRadius() const { return radius; }

void Player::setLanded() {
    landed = true;
    launchLock = 300;
}

bool Player::isLanded() const { return landed; }

void Player::setVelocity(point v) { velocity = v; }

void Player::addVelocity(point v) {
    velocity.x += v.x;
    velocity.y += v.y;
}

point Player::getVelocity() const { return velocity; }

void Player::setAngle(float radians) { angle = radians; }

float Player::getAngle() const { return angle * 57.2958f - 90; }

void Player::takeDamage(float amount) {
    if (shieldTime > 0) return;
    float absorbed = std::clamp(amount, 0.0f, shieldPoints);
    shieldPoints -= absorbed;
    health -= amount - absorbed;
    damageTaken += amount;
    if (amount > 0) msSinceHit = 0;
}

float Player::getHealth() const { return health; }

void Player::turnCW(int dt, float amount) {
    if (!landed) {
        angle -= turnRate * dt * amount;
    }
}

void Player::turnCCW(int dt, float amount) {
    if (!landed) {
        angle += turnRate * dt * amount;
    }
}

void Player::forwardThrust(int dt, float amount) {
    if (launchLock > 0) {
        return;
    }
    if (landed) {
        // Lift-off spends the boost stored by holding reverse on the ground.
        landed = false;
        dt += launchCharge;
        launchCharge = 0;
        playSound(SoundEffect::liftOff);
    }
    velocity.x += std::cos(angle) * forwardAccel * dt * amount;
    velocity.y += std::sin(angle) * forwardAccel * dt * amount;
}

void Player::reverseThrust(int dt, float amount) {
    if (landed) {
        launchCharge += dt;
        return;
    }
    // Applied once per frame on purpose: reverse is a fine-control brake.
    velocity.x -= std::cos(angle) * reverseAccel * amount;
    velocity.y -= std::sin(angle) * reverseAccel * amount;
}

void Player::ease(int dt, float rate, point towards) {
    if (landed || rate <= 0) {
        return;
    }
    point off{velocity.x - towards.x, velocity.y - towards.y};
    float speed = std::sqrt(off.x * off.x + off.y * off.y);
    if (speed <= 0) {
        return;
    }
    float share = std::min(speed, rate * dt) / speed;
    velocity.x -= off.x * share;
    velocity.y -= off.y * share;
}

void Player::update(int dt, const ShipCommand& command) {
    if (command.weapon >= 0) weapon = command.weapon;
    // Re-arm only after a whole frame in which no wormhole claimed the ship.
    if (clearOfWormholes) {
        warpArmed = true;
    }
    clearOfWormholes = true;
    shieldTime = std::max(0, shieldTime - dt);
    if (destroyed) {
        return;
    }
    msSinceHit = std::min(msSinceHit + dt, longQuietMs);
    if (msSinceHit >= shieldQuietMs) shieldPoints = std::min(shieldCapacity, shieldPoints + shieldPerMs * dt);

    float right = command.turnRight;
    float left = command.turnLeft;
    float forward = command.thrust;
    float reverse = command.reverse;
    if (right > 0) {
        turnCW(dt, right);
    }
    if (left > 0) {
        turnCCW(dt, left);
    }
    if (forward > 0) {
        thrustLevel = forward;
        forwardThrust(dt, forward);
    } else if (reverse > 0) {
        thrustLevel = 0.0f;
        reverseThrust(dt, reverse);
    } else {
        thrustLevel = 0.0f;
    }
    ease(dt, command.ease, command.easeTo);

    if (launchLock > 0) {
        launchLock -= dt;
    }
    if (!landed) {
        position.x += velocity.x * dt;
        position.y += velocity.y * dt;
        clampToBound(position.x, velocity.x, XBOUND);
        clampToBound(position.y, velocity.y, YBOUND);
    }
    trail.update(position, dt);
}

void Player::drawTrail(int dt) {
    if (destroyed) {
        return;
    }
    exhaust.updateValue(thrustLevel, 1);
    exhaust.update(dt, position, getAngle() + 180, true);
    trail.draw(position);
}

void Player::draw() {
    if (destroyed) {
        return;
    }
    glPushMatrix();
    reportError();
    glTranslatef(position.x, position.y, 0);
    glRotatef(getAngle(), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[playerTexture]);
    reportError();
    drawSquare(getRadius());
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}
