#pragma once

#include <string>

#include "core/point.h"

class Player;
class WorldState;

// A touch-down at or above this speed relative to the planet crashes.
const float crashSpeed = 1.0f;

// A body on a circular orbit round its star that spins, pulls, swallows, and
// can be landed on.
class Planet {
public:
    // orbitSpeed in degrees per ms and orbitAngle in degrees; both kept in radians.
    Planet(float radius, float density, float orbitRadius, float orbitSpeed, float orbitAngle,
           float spinRate, float spinAngle, int texture, std::string name);

    std::string getName() const;
    float getRadius() const;
    void update(WorldState& world, Player* player, int frameTime, point starPosition);
    void draw();
    void drawIfVisible();

    point position;
    float landingAngle;
    float radius;
    float density;
    float orbitRadius;
    float orbitSpeed;
    float orbitAngle;
    float spinRate;
    float spinAngle;
    int texture;
    // The surface's picture named by the row (assets/NamedImages.h), -1 for
    // none: without one, or when it fails to load, the planet draws its slot.
    int look = -1;
    point velocity;
    std::string name;

private:
    void advance(int frameTime, point starPosition);
    void carryPlayer(Player& player, float surface, int frameTime);
    void actOnFreePlayer(WorldState& world, Player& player, float d, float surface, int frameTime);
};
