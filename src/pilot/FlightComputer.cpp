#include "pilot/FlightComputer.h"

#include <algorithm>
#include <cmath>

#include "combat/Player.h"
#include "core/Geometry.h"
#include "world/Gravity.h"
#include "world/WorldState.h"

namespace {
// The least the assist eases by, units/ms every ms: the last crawl to rest
// takes a second or so.
const float settleEase = 0.00005f;
}  // namespace

NearestBody nearestBody(const WorldState& world, point position) {
    NearestBody nearest;
    for (const Star& star : world.stars) {
        float surface = pointDistance(star.position, position) - star.getRadius();
        if (surface < nearest.surfaceDistance) nearest = NearestBody{point{0, 0}, nullptr, surface};
        for (const Planet& planet : star.planets) {
            surface = pointDistance(planet.position, position) - planet.getRadius();
            if (surface < nearest.surfaceDistance) nearest = NearestBody{planet.velocity, &planet, surface};
        }
    }
    return nearest;
}

const Planet* nearestPlanet(const WorldState& world, point position) {
    const Planet* nearest = nullptr;
    float best = 0;
    for (const Star& star : world.stars) {
        for (const Planet& planet : star.planets) {
            float surface = pointDistance(planet.position, position) - planet.getRadius();
            if (!nearest || surface < best) {
                nearest = &planet;
                best = surface;
            }
        }
    }
    return nearest;
}

float touchDownSpeed(const Player& ship, const Planet& planet) {
    float speed = speedIn(ship.velocity, planet.velocity);
    double touch = planet.getRadius() + ship.getRadius();
    double from = std::min<double>(pointDistance(ship.position, planet.position),
                                   gravityReach(planet.getRadius(), planet.density));
    if (from <= touch) return speed;
    double gained = 2 * gravityStrength(planet.getRadius(), planet.density) * (1 / touch - 1 / from);
    return static_cast<float>(std::sqrt(static_cast<double>(speed) * speed + gained));
}

float assistEase(float relativeSpeed, const FlightTuning& tuning) {
    return std::min(tuning.brake, std::max(relativeSpeed / tuning.assistMs, settleEase));
}

float speedIn(point velocity, point frame) { return pointDistance(velocity, frame); }
