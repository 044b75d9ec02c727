#pragma once

#include "combat/TimerBase.h"
#include "core/point.h"

// Two counter-rotating explosion sprites shrinking to nothing; harms nothing.
class TExplosion : public TimerBase {
public:
    TExplosion(int created, int duration, point position);
    void execute(int now, WorldState& world) override;
    // Its two squares join the batch, in their own colours or the current one.
    void executeBatched(int now, WorldState& world, SpriteBatch& sprites) override;

    int created;
    int duration;
    point position;
    float size;
    // Drawn in the image's own colours, not the colour left current before it.
    bool ownColours = false;
};
