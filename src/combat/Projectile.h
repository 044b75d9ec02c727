#pragma once

#include "core/point.h"

class Player;
class ShipGrid;
class SpriteBatch;
class WorldState;

// One shot in flight: the player's, or a hostile one fired by an enemy.
class Projectile {
public:
    Projectile(point start, float dirX, float dirY, float speed, WorldState& world, int weapon,
               bool bounces, int lifetime, float inheritX, float inheritY);

    void calcTheta();
    void addVelocity(point v);
    // False asks the caller to remove the projectile. A hostile shot hits
    // only `player`, when there is one.
    bool update(int dt, WorldState& world, int now, Player* player = nullptr);
    // The same, finding the ship hit through a grid of the world's ships and
    // putting the shot's sprite into `sprites` for the caller to draw.
    bool update(int dt, WorldState& world, int now, const ShipGrid& ships, SpriteBatch& sprites,
                Player* player = nullptr);
    // Damages the ship the path flown this frame hits first; true on a hit.
    bool handleCollision(point previous, const ShipGrid& ships, WorldState& world);

    int weapon;
    float theta;
    bool bounces;
    point position;
    int lifetime;
    point velocity;
    float damage;
    // Fired by an enemy: it hits the player and no ship.
    bool hostile = false;
    // Half-size of its sprite.
    float size = 20;
    // A shockwave shot's ring: how many times as wide it grows, and how fast
    // it draws ships in (units per ms).
    float blastScale = 1;
    float blastPullPerMs = 0;
};
