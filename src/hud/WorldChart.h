#pragma once

#include <vector>

#include "core/Box.h"
#include "core/point.h"
#include "hud/Labels.h"

class ChartView;
class HudCanvas;
struct HudView;
class Player;
class Universe;
class WorldState;

// A world as a map draws it: the orbits, stars, planets and wormholes as
// symbols, the enemies as dots and the ship as a small fighter.

// The part of the world plane a map of it shows: every star with its
// planets' orbits, every wormhole and the ship, squared, with a margin.
Box chartExtent(const WorldState& world, point ship);
// `symbol` is a star's half-size in pixels; the rest are sized from it.
void drawWorldChart(HudCanvas& canvas, const ChartView& chart, const WorldState& world, const Player& player,
                    const HudView& view, float symbol);
// The names a large map writes under the symbols.
std::vector<LabelTarget> chartLabels(const ChartView& view, const std::vector<NamedBody>& bodies, float symbol,
                                     HudCanvas& canvas, float scale);
