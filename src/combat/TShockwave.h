#pragma once

#include "combat/TimerBase.h"
#include "core/point.h"

class Ship;

// A growing red ring that damages every enemy ship inside it per millisecond,
// and with an upgrade draws them towards its centre.
class TShockwave : public TimerBase {
public:
    TShockwave(int maxRadius, int created, int duration, point position);
    void execute(int now, WorldState& world) override;
    // The ring's sprite, turned by `spin`; half-size `radius`.
    void drawRing(float radius) const;
    // Moves a ship inside the ring `step` units towards its centre.
    void pullIn(Ship& ship, float step) const;

    int maxRadius;
    int created;
    int duration;
    point position;
    int spin;
    int lastHitTime;
    // Units per ms; 0 leaves the ships where they are.
    float pullPerMs = 0;
};
