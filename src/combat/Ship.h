#pragma once

#include "core/SpriteBatch.h"
#include "core/point.h"
#include "world/Trail.h"

class Player;
class WorldState;

// An enemy craft steering by its behaviour number; it rams, and an armed one
// fires at the player.
class Ship {
public:
    // Fills the ship from row `type` of SHIPDATA.
    Ship(point position, int type);

    // Steers, moves, fires and samples the trail; false asks the caller to
    // remove the ship. The ship pass draws the trail and the body after it.
    bool update(int dt, WorldState& world, Player* player);
    // The body's sprite, put into a batch to be drawn with others, if it is in view.
    void addSprite(SpriteBatch& batch) const;
    // Whether its sprite, in view, would have what waits in `batch` drawn first.
    bool endsRun(const SpriteBatch& batch) const;
    // A blow from the player's weapons, landing from the side of `from`.
    bool takeDamage(float amount, point from, WorldState& world);
    void addVelocity(point v);
    float getTheta() const;
    void calcTheta();
    // No behaviour of its own: it keeps whatever velocity it has.
    bool drifts() const;
    bool armed() const { return weapon >= 0; }

    point position;
    float theta;
    int ai;
    point velocity;
    float thrust;
    float topSpeed;
    float health;
    // What it had when it came: its row's hit points.
    float fullHealth;
    float ramDamage;
    Trail trail;
    int type;
    // Every hit test of the ship uses it; enemy.png is drawn at 0.8 of it, a
    // type's own sprite at 1.25 (its shape about fills the circle).
    float radius;
    // Its gun's weapondata.txt row, -1 when unarmed, and the time between shots.
    int weapon;
    int fireIntervalMs;
    // Until it may fire again.
    int reloadMs;
    // Which campaign ships line sent it; -1 for every other ship.
    int tag = -1;
    // The difficulty's share of the damage it deals; its ram damage is scaled
    // when it is spawned, its shots' damage when they are fired.
    float damageFactor = 1;
    // Left of the bright flash after a hit, and until the next spark.
    int flashMs = 0;
    int sparkWaitMs = 0;

    // The radius of a row that names none.
    static constexpr float defaultRadius = 50;
    static constexpr int flashDurationMs = 120;
    static constexpr int sparkGapMs = 120;

private:
    void partFrom(Player& player);
    void skirmishWith(point toPlayer, float distance);
    SpriteTint tint() const;
};
