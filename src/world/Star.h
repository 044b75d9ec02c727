#pragma once

#include <string>
#include <vector>

#include "core/point.h"
#include "world/Planet.h"

class Player;
class WorldState;

// A fixed glowing body that owns its planets, pulls, and burns what enters it.
class Star {
public:
    Star(point position, float radius, float density, float spare, int texture, std::string name);

    std::string getName() const;
    void addPlanet(Planet planet);
    void update(WorldState& world, Player* player, int frameTime);
    void draw();
    float getRadius() const;
    int getTexture() const;

    point position;
    std::vector<Planet> planets;
    float radius;
    float density;
    float spare;
    int texture;
    // The glow's picture named by the row (assets/NamedImages.h), -1 for none:
    // without one, or when it fails to load, the star draws its texture slot.
    int look = -1;
    std::string name;

private:
    void burnAndPullPlayer(WorldState& world, Player& player, int frameTime);
};
