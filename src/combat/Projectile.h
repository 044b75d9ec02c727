#pragma once

#include "core/point.h"

class WorldState;

// One shot in flight.
class Projectile {
public:
    Projectile(point start, float dirX, float dirY, float speed, WorldState& world, int weapon,
               bool bounces, int lifetime, float inheritX, float inheritY);

    void calcTheta();
    void addVelocity(point v);
    // False asks the caller to remove the projectile.
    bool update(int dt, WorldState& world, int now);
    bool handleCollision(point previous, WorldState& world, int now);
    bool handleCollision(point previous, WorldState& world, int now, int radius);

    int weapon;
    float theta;
    bool bounces;
    point position;
    int lifetime;
    point velocity;
    float damage;
};
