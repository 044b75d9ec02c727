#pragma once

#include "assets/Emitter.h"
#include "combat/ShipCommand.h"
#include "combat/ShipUpgrades.h"
#include "core/point.h"
#include "world/Trail.h"

class WorldState;

// The ship the user flies.
class Player {
public:
    Player(point position, float forwardAccel, float reverseAccel, float turnRate, float health,
           float radius);

    int getWorld() const;
    void warpWorld(int world);
    float getRadius() const;
    void setLanded();
    bool isLanded() const;
    void setVelocity(point v);
    void addVelocity(point v);
    point getVelocity() const;
    void setAngle(float radians);
    // Drawing angle in degrees; the sprite's nose points along +y.
    float getAngle() const;
    void takeDamage(float amount);
    float getHealth() const;

    // Each takes the share of a whole step the pilot asks for: a key gives 1,
    // a stick how far it is pushed.
    void turnCW(int dt, float amount = 1);
    void turnCCW(int dt, float amount = 1);
    void forwardThrust(int dt, float amount = 1);
    void reverseThrust(int dt, float amount = 1);
    // The flight computer's part of a command: the velocity drawn towards
    // `towards` by at most `rate` units/ms every ms.
    void ease(int dt, float rate, point towards);

    // Selects the weapon the command names, steers by its turn and thrust,
    // then moves.
    void update(int dt, const ShipCommand& command);
    void drawTrail(int dt);
    void draw();
    void shoot(unsigned now, WorldState& world, point target, int dt);
    // The wait after a shot of weapon `number`, the upgrades counted.
    float cooldownOf(int number) const;
    // One projectile of weapon `number` along `direction`, as the upgrades make it.
    void fireShot(WorldState& world, int number, point direction);

    point position;
    int weapon = 0;
    int weaponOffset = 0;
    bool warpArmed = true;
    bool clearOfWormholes = true;
    bool landed = false;
    int launchLock = 0;
    point velocity{0, 0};
    float forwardAccel;
    float reverseAccel;
    float turnRate;
    float angle = 0;
    float health;
    float radius;
    float nextShotTime = 0;
    int launchCharge = 0;
    float thrustLevel = 0;
    Emitter exhaust;
    int world = 0;
    Trail trail;
    // Blown up and waiting for a new ship: not drawn, deaf to the keys, not rammed.
    bool destroyed = false;
    // Milliseconds left in which damage does nothing.
    int shieldTime = 0;
    // A shield over the hull (the campaign gives one; Free flight's ship has
    // none): it takes damage first, and fills again at `shieldPerMs` once the
    // ship has gone `shieldQuietMs` without a hit.
    float shieldCapacity = 0;
    float shieldPoints = 0;
    int shieldQuietMs = 0;
    float shieldPerMs = 0;
    int msSinceHit = 0;
    // Whether the last touch-down on a planet was slow enough not to crash.
    bool gentleTouchDown = false;
    // All the damage the ship has taken: the screen shows a hit when it grows.
    float damageTaken = 0;
    // What a campaign's upgrades change in the weapons; none in Free flight.
    ShipUpgrades upgrades;
};
