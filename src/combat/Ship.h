#pragma once

#include "core/point.h"
#include "world/Trail.h"

class Player;
class SpriteBatch;
class WorldState;

// An enemy craft steering by its behaviour number; it rams, never shoots.
class Ship {
public:
    // Fills the ship from row `type` of SHIPDATA.
    Ship(point position, int type);

    // Steers, moves and samples the trail; false asks the caller to remove the
    // ship. The ship pass draws the trail and the body after it.
    bool update(int dt, WorldState& world, Player* player);
    // The body's sprite, put into a batch to be drawn with others, if it is in view.
    void addSprite(SpriteBatch& batch) const;
    bool takeDamage(float amount);
    void addVelocity(point v);
    float getTheta() const;
    void calcTheta();
    // No behaviour of its own: it keeps whatever velocity it has.
    bool drifts() const;

    point position;
    float theta;
    int ai;
    point velocity;
    float thrust;
    float topSpeed;
    float health;
    float ramDamage;
    Trail trail;
    int type;
    // Which campaign ships line sent it; -1 for every other ship.
    int tag = -1;
    // The difficulty's share of the damage it deals; its ram damage is scaled
    // when it is spawned.
    float damageFactor = 1;
};
