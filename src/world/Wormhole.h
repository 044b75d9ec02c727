#pragma once

#include "assets/Emitter.h"
#include "core/point.h"

class Universe;

// A circle that carries the player, once per visit, to a point of another world;
// a closed one carries nobody and its swirl stands still.
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
    bool open = true;
    // The clock the swirl was last drawn at while open.
    int stillClock = 0;
};
