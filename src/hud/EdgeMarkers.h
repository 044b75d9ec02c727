#pragma once

#include <string>
#include <vector>

#include "core/Box.h"
#include "core/point.h"
#include "ui/Text.h"

class HudCanvas;
struct HudView;
class ScreenLayout;
class ScreenMap;
class Universe;

const Colour objectiveColour{1, 0.4f, 0.32f};

// Where a marker sits and which way its arrow points (degrees counter-
// clockwise from straight up).
struct EdgeSpot {
    point at;
    float degrees;
};

// Something off screen worth a marker: a place of the world plane.
struct MarkerTarget {
    point where;
    float radius;  // it is off screen when no part of this circle is on it
    std::string name;
    Colour colour;
};

// The part of the layout markers keep to, and the corners they keep out of:
// the radar, and the map with its caption.
Box markerArea();
std::vector<Box> markerKeepOut();
// The marker for a point of the layout off the picture: where the line from
// the picture's centre (the ship) to it leaves `area`, slid along that edge
// out of any `keepOut` box, toward the middle of the edge.
EdgeSpot edgeSpot(point target, const Box& area, const std::vector<Box>& keepOut);
// What matters off screen: the open wormholes, the objective (the most
// valuable enemy, the nearest of those), the planet where new ships start.
std::vector<MarkerTarget> markerTargets(const Universe& universe, const HudView& view, const ScreenMap& screen);
// An arrow at the edge for each target, with its name and distance from the
// ship; one that would touch a marker or a panel placed before it slides
// along its edge until it does not, so markers stack rather than overlap.
void drawEdgeMarkers(const std::vector<MarkerTarget>& targets, const ScreenMap& screen, HudCanvas& canvas,
                     ScreenLayout& layout);
