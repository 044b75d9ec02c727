#pragma once

#include "combat/TimerBase.h"
#include "core/point.h"

// A growing red ring that damages every enemy ship inside it per millisecond.
class TShockwave : public TimerBase {
public:
    TShockwave(int maxRadius, int created, int duration, point position);
    void execute(int now, WorldState& world) override;
    // The ring's sprite, turned by `spin`; half-size `radius`.
    void drawRing(float radius) const;

    int maxRadius;
    int created;
    int duration;
    point position;
    int spin;
    int lastHitTime;
};
