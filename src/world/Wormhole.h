#pragma once

#include "assets/Emitter.h"
#include "core/point.h"

class Universe;

// A circle that carries the player, once per visit, to a point of another world.
class Wormhole {
public:
    Wormhole(int sourceWorld, point position, float captureRadius, int destinationWorld,
             point exitPoint, int effectIndex);

    void update(Universe& universe, int& clockTime);

    int sourceWorld;
    point position;
    float captureRadius;
    int destinationWorld;
    point exitPoint;
    Emitter effect;
};
