#pragma once

#include "combat/Player.h"
#include "core/point.h"
#include "world/Universe.h"

struct Camera;

// The live universe behind the title and closing screens: one world of the
// campaign's universe turning, seen by a camera that drifts slowly round a
// point. Nobody flies: the ship that watches is hidden and far away.
class Scenery {
public:
    Scenery(const Universe& loaded, const Player& ship, int world, point centre);
    // Steps the world by the frame and draws it, from the camera's place now.
    void draw(const Camera& camera, int now, int dt);

    Universe universe;
    Player watcher;
    point centre;
};
