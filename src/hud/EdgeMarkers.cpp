#include "hud/EdgeMarkers.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "assets/Font.h"
#include "assets/ShipLooks.h"
#include "combat/Player.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "hud/HudArt.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "hud/Labels.h"
#include "hud/ScreenLayout.h"
#include "hud/ScreenMap.h"
#include "world/Universe.h"

namespace {
const float degreesPerRadian = 57.2958f;
const float markerHalf = 15;
const float nameScale = 12;
const float distanceScale = 13;
// From the arrow to its text, and from the name's baseline to the distance's.
const float textGap = 22;
const float distanceDrop = 22;
// How many steps a marker may slide either way along its edge to keep clear of the others.
const int maxSlides = 8;

bool inside(point p, const Box& box) {
    return p.x >= box.left && p.x <= box.right && p.y >= box.bottom && p.y <= box.top;
}

// Along `d` from `from`, how far until the edge of `area`.
float stepsToEdge(point from, point d, const Box& area) {
    float steps = std::numeric_limits<float>::infinity();
    if (d.x > 0) steps = std::min(steps, (area.right - from.x) / d.x);
    if (d.x < 0) steps = std::min(steps, (area.left - from.x) / d.x);
    if (d.y > 0) steps = std::min(steps, (area.top - from.y) / d.y);
    if (d.y < 0) steps = std::min(steps, (area.bottom - from.y) / d.y);
    return steps;
}

// A centred text's middle, moved so that the text, `half` either side,
// stays in the area and out of the corners.
float clearOfCorners(point middle, float half, const Box& area, const std::vector<Box>& keepOut) {
    float x = std::max(area.left + half, std::min(middle.x, area.right - half));
    for (const Box& box : keepOut) {
        bool level = middle.y >= box.bottom && middle.y <= box.top;
        if (!level || x + half < box.left || x - half > box.right) continue;
        x = (box.left + box.right) / 2 < w / 2.0f ? box.right + half : box.left - half;
    }
    return x;
}
}  // namespace

Box markerArea() { return Box{34, w - 34.0f, 118, h - 84.0f}; }

std::vector<Box> markerKeepOut() { return {Box{0, 232, h - 232.0f, h}, Box{w - 232.0f, w, h - 258.0f, h}}; }

EdgeSpot edgeSpot(point target, const Box& area, const std::vector<Box>& keepOut) {
    point centre{w / 2.0f, h / 2.0f};
    point d{target.x - centre.x, target.y - centre.y};
    float steps = stepsToEdge(centre, d, area);
    point at{centre.x + d.x * steps, centre.y + d.y * steps};
    bool onTopOrBottom = std::abs(at.y - area.top) < 0.5f || std::abs(at.y - area.bottom) < 0.5f;
    for (const Box& box : keepOut) {
        if (!inside(at, box)) continue;
        if (onTopOrBottom) {
            at.x = (box.left + box.right) / 2 < centre.x ? box.right : box.left;
        } else {
            at.y = (box.bottom + box.top) / 2 > centre.y ? box.bottom : box.top;
        }
    }
    return EdgeSpot{at, std::atan2(d.y, d.x) * degreesPerRadian - 90};
}

std::vector<MarkerTarget> markerTargets(const Universe& universe, const HudView& view, const ScreenMap& screen) {
    const Player& player = *universe.player;
    const WorldState& world = universe.currentWorld();
    std::vector<MarkerTarget> targets;
    auto add = [&](point where, float radius, const std::string& name, Colour colour) {
        if (!screen.shows(where, radius)) targets.push_back(MarkerTarget{where, radius, name, colour});
    };
    for (const Wormhole& wormhole : world.wormholes) {
        if (!view.wormholeOpen(wormhole)) continue;
        add(wormhole.position, wormhole.captureRadius * swirlReach,
            "To " + view.worldName(universe, wormhole.destinationWorld), labelColours::openWormhole);
    }
    if (const Ship* target = mostValuableShip(world.ships, view.pointsByType, player.position)) {
        std::string name = shipLook(target->type).name;
        add(target->position, target->radius, name.empty() ? "Enemy" : name, objectiveColour);
    }
    if (view.respawnStar >= 0) {
        size_t star = static_cast<size_t>(view.respawnStar);
        size_t planet = static_cast<size_t>(view.respawnPlanet);
        if (star < world.stars.size() && planet < world.stars[star].planets.size()) {
            const Planet& home = world.stars[star].planets[planet];
            add(home.position, home.getRadius(), home.getName(), labelColours::respawn);
        }
    }
    return targets;
}

namespace {
// A marker drawn at a spot: its name and distance go inward from the arrow.
struct PlacedMarker {
    EdgeSpot spot;
    point name;
    Align align;
    Box box;  // the arrow and both texts
    Box nameBox;
    Box distanceBox;
};

PlacedMarker markerAt(const EdgeSpot& spot, const MarkerTarget& target, const std::string& distance,
                      const HudCanvas& canvas, const Box& area, const std::vector<Box>& keepOut) {
    PlacedMarker marker{spot, point{spot.at.x, spot.at.y - textGap - 14}, Align::centre, {}, {}, {}};
    if (spot.at.x >= area.right - 0.5f) {
        marker.align = Align::right;
        marker.name = point{spot.at.x - textGap, spot.at.y + 2};
    } else if (spot.at.x <= area.left + 0.5f) {
        marker.align = Align::left;
        marker.name = point{spot.at.x + textGap, spot.at.y + 2};
    } else if (spot.at.y <= area.bottom + 0.5f) {
        marker.name = point{spot.at.x, spot.at.y + textGap + distanceDrop};
    }
    if (marker.align == Align::centre) {
        marker.name.x = clearOfCorners(marker.name, canvas.textWidth(target.name, nameScale) / 2, area, keepOut);
    }
    marker.nameBox = canvas.textBox(target.name, marker.name.x, marker.name.y, nameScale, marker.align);
    marker.distanceBox = canvas.textBox(distance, marker.name.x, marker.name.y - distanceDrop, distanceScale, marker.align);
    Box arrow{spot.at.x - markerHalf, spot.at.x + markerHalf, spot.at.y - markerHalf, spot.at.y + markerHalf};
    marker.box = arrow.joined(marker.nameBox).joined(marker.distanceBox);
    return marker;
}

bool inAnyBox(point p, const std::vector<Box>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(), [p](const Box& box) { return inside(p, box); });
}

// The marker at its spot, or slid along its edge, a step at a time either
// way, to the nearest place where it touches nothing placed before it.
PlacedMarker placeMarker(const EdgeSpot& spot, const MarkerTarget& target, const std::string& distance,
                         const HudCanvas& canvas, const ScreenLayout& layout, const Box& area,
                         const std::vector<Box>& keepOut) {
    PlacedMarker first = markerAt(spot, target, distance, canvas, area, keepOut);
    if (layout.fits(first.box)) return first;
    bool upright = first.align != Align::centre;
    float step = (upright ? first.box.top - first.box.bottom : first.box.right - first.box.left) + 2 * ScreenLayout::gap;
    for (int k = 1; k <= maxSlides; ++k) {
        for (int side : {1, -1}) {
            EdgeSpot moved = spot;
            (upright ? moved.at.y : moved.at.x) += side * k * step;
            if (!inside(moved.at, area) || inAnyBox(moved.at, keepOut)) continue;
            PlacedMarker marker = markerAt(moved, target, distance, canvas, area, keepOut);
            if (layout.fits(marker.box)) return marker;
        }
    }
    return first;
}
}  // namespace

void drawEdgeMarkers(const std::vector<MarkerTarget>& targets, const ScreenMap& screen, HudCanvas& canvas,
                     ScreenLayout& layout) {
    Box area = markerArea();
    std::vector<Box> keepOut = markerKeepOut();
    for (const MarkerTarget& target : targets) {
        EdgeSpot spot = edgeSpot(screen.toLayout(target.where), area, keepOut);
        std::string distance = distanceText(pointDistance(target.where, screen.centre));
        PlacedMarker marker = placeMarker(spot, target, distance, canvas, layout, area, keepOut);
        layout.take(marker.box);
        canvas.icon(hudImage(HudImage::marker), marker.spot.at, markerHalf, marker.spot.degrees, target.colour);
        drawBacking(canvas, marker.nameBox.joined(marker.distanceBox), 0.8f);
        canvas.text(target.name, marker.name.x, marker.name.y, nameScale, faded(target.colour, 0.85f), marker.align);
        canvas.text(distance, marker.name.x, marker.name.y - distanceDrop, distanceScale, target.colour, marker.align);
    }
}
