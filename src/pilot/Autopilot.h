#pragma once

#include <vector>

#include "combat/ShipCommand.h"
#include "core/point.h"
#include "pilot/FlightTuning.h"

class Player;
class WorldState;
struct Destination;

// A circle the autopilot keeps out of: a body, its heat and its pull, with room.
struct Obstacle {
    point centre;
    float keepOut;
};

// The stars and planets of the world as the autopilot passes them; the
// destination's own planet is not in its way.
std::vector<Obstacle> obstacles(const WorldState& world, const Destination& to, float shipRadius);
// The direction to fly from `from` towards `to`: straight, or along the
// near side of the first obstacle in the way; out and round one the ship is
// inside. One that holds `to` itself is no obstacle.
point wayRound(point from, point to, const std::vector<Obstacle>& bodies);
// One frame of the autopilot: the velocity it wants (the destination's,
// plus its way at a speed it can still brake from before arriving), and the
// command that gets it there: it turns towards what is missing and burns
// the main engine when it faces it; otherwise the flight computer eases
// towards it. A landed ship lifts off first.
ShipCommand autopilotCommand(const Player& ship, const WorldState& world, const Destination& to,
                             const FlightTuning& tuning, int dt);
