#pragma once

#include "core/point.h"

class Player;
class Ship;
class WorldState;

// Where a shot of `speed` fired from `from` meets a target now at `target`
// moving at `velocity`; the target itself when no shot can catch it.
point leadTarget(point from, float speed, point target, point velocity);

// An armed ship fires once its interval has passed and while the player is
// within its shot's reach: a hostile shot, carrying the ship's velocity, at
// where the player will be, with a little spread, so that a change of course
// dodges it.
void fireAtPlayer(Ship& ship, int dt, WorldState& world, const Player& player);
