#pragma once

#include "core/point.h"

class ShipGrid;
class SpriteBatch;
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
    // The same, finding the ship hit through a grid of the world's ships and
    // putting the shot's sprite into `sprites` for the caller to draw.
    bool update(int dt, WorldState& world, int now, const ShipGrid& ships, SpriteBatch& sprites);
    // Damages the ship the path flown this frame hits first; true on a hit.
    bool handleCollision(point previous, const ShipGrid& ships);

    int weapon;
    float theta;
    bool bounces;
    point position;
    int lifetime;
    point velocity;
    float damage;
};
