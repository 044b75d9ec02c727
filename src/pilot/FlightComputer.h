#pragma once

#include "core/point.h"
#include "pilot/FlightTuning.h"

class Planet;
class Player;
class WorldState;

// The body whose surface is nearest the ship: the frame a stop and the
// assist bring the ship to rest in.
struct NearestBody {
    point velocity{0, 0};
    // Set when the body is a planet.
    const Planet* planet = nullptr;
    // From the ship's centre to the body's surface; huge in an empty world.
    float surfaceDistance = 1e30f;
};

NearestBody nearestBody(const WorldState& world, point position);
// The planet whose surface is nearest the ship, or nullptr.
const Planet* nearestPlanet(const WorldState& world, point position);
// How fast a touch-down on `planet` would be if the ship fell straight in
// from where it is: its speed relative to the planet and what the planet's
// pull adds on the way down.
float touchDownSpeed(const Player& ship, const Planet& planet);
// The assist's ease for a ship this fast relative to the nearest body:
// about all of it over `assistMs`, at most the brake, and a little at the
// end so that the ship comes to rest.
float assistEase(float relativeSpeed, const FlightTuning& tuning);
// The speed of `velocity` relative to `frame`.
float speedIn(point velocity, point frame);
