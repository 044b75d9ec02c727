#pragma once

#include <memory>

#include "combat/TimerBase.h"
#include "core/point.h"

class WorldState;

// Appends a 1000 ms explosion at `position` to the world's timers.
void standardExplosion(point position, WorldState& world, int now);
// The same, timed by the current tick count.
void standardExplosion(point position, WorldState& world);
// An enemy's end: a standard explosion; with the campaign's feedback on, as
// wide as the ship and in the image's own colours.
void shipExplosion(point position, float shipRadius, WorldState& world);
// A ship's end: a long, wide burst over a standard explosion, both in the
// image's own colours.
void largeExplosion(point position, WorldState& world, int now);
// Lists an event by its start time (start time 0 goes to the front).
void addTimer(std::unique_ptr<TimerBase> event, WorldState& world);
// Runs the world's due events and deletes the expired ones.
void runTimer(int now, WorldState& world);
