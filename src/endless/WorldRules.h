#pragma once

#include <string>
#include <vector>

#include "core/point.h"
#include "endless/GeneratedWorld.h"

// What makes a generated world one a player can play. The generator keeps
// to these numbers, and worldProblems holds any world to them.

// Between a star and its planets' orbits, between orbits, between systems.
const float bodyMargin = 300;
// The arrival point stays this far outside every body's pull, so the ship
// is not dragged into anything as it comes in.
const float arrivalClearance = 400;
// Every body and wormhole lies within this of the world's centre, so that
// crossing a world takes seconds, not minutes.
const float compactReach = 30000;
// A planet to land on lies this near the arrival point when the ship first
// comes in (a world stands still until the ship is there).
const float landingReach = 3000;
// The way on is no shortcut: it lies at least this far from the arrival point.
const float wayOnLeast = 5000;

// The ship thrusts at about 0.0006 to 0.001 units per ms^2: it must be able
// to climb away from a planet it landed on, and from a star's pull.
const float strongestPlanetPull = 0.0003f;
const float strongestStarPull = 0.0005f;

// The pull at a body's surface, in units per ms^2.
float surfacePullOf(float radius, float density);
// How far a body acts: its radius, or its pull's reach when that is longer.
float reachOf(float radius, float density);
// From a star's centre to the outer edge of its outermost planet (or its own rim).
float systemRadius(const GeneratedWorld& world, size_t star);
// Where a planet stands before its world has run a frame.
point startOf(const GeneratedWorld& world, const GeneratedPlanet& planet);
// The name of a body that `where` lies within `clearance` of the reach of,
// at any point of any orbit; empty when it lies clear of them all.
std::string bodyNear(const GeneratedWorld& world, point where, float clearance);

// Every rule the world breaks, one sentence each; none for a good world.
std::vector<std::string> worldProblems(const GeneratedWorld& world);
