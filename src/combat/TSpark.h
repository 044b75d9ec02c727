#pragma once

#include "combat/TimerBase.h"
#include "core/point.h"

// A hit spark: the spark image in the colour of the ship that was hit, flung
// out from where the blow landed and fading as it flies; harms nothing.
class TSpark : public TimerBase {
public:
    TSpark(int created, point position, point velocity, float size, const float colour[3]);
    void execute(int now, WorldState& world) override;

    static constexpr int durationMs = 220;

    int created;
    point position;  // where it was thrown from
    point velocity;
    float size;      // half-size at the start
    float colour[3];
};
