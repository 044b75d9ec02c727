#pragma once

#include <list>

#include "combat/Timers.h"
#include "core/Geometry.h"
#include "core/point.h"
#include "world/ListPass.h"
#include "world/WorldState.h"

// How far a body of this radius and density pulls.
float gravityReach(float radius, float density);

// The pull of a body at distance d from its centre is this over d squared,
// in units/ms per ms.
double gravityStrength(float radius, float density);

// The velocity change (units/ms) that a body at `centre` gives an object at
// `object` over one frame, directed at the centre. Zero at the exact centre
// and wherever the inverse square would overflow, so nothing turns to NaN.
point gravityPull(point object, point centre, float radius, float density, int frameTime);

// One pass of a body over a list of projectiles or ships: whatever lies
// within `radius` of the centre explodes and is removed, whatever lies within
// the reach is pulled toward the centre.
template <typename Body>
void swallowOrPull(std::list<Body>& items, WorldState& world, point centre, float radius,
                   float density, int frameTime) {
    float reach = gravityReach(radius, density);
    keepWhere(items, [&](Body& item) {
        float d = pointDistance(centre, item.position);
        if (d <= radius) {
            standardExplosion(item.position, world);
            world.noteLoss(item, LossCause::fell);
            return false;
        }
        if (d <= reach) {
            item.addVelocity(gravityPull(item.position, centre, radius, density, frameTime));
        }
        return true;
    });
}
