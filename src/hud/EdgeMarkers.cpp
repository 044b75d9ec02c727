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
#include "hud/ScreenMap.h"
#include "world/Universe.h"

namespace {
const float degreesPerRadian = 57.2958f;
const float markerHalf = 15;
const float nameScale = 12;
const float distanceScale = 13;
// From the arrow to its text.
const float textGap = 22;
const Colour objectiveColour{1, 0.4f, 0.32f};

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

void drawEdgeMarkers(const std::vector<MarkerTarget>& targets, const ScreenMap& screen, HudCanvas& canvas) {
    Box area = markerArea();
    std::vector<Box> keepOut = markerKeepOut();
    for (const MarkerTarget& target : targets) {
        EdgeSpot spot = edgeSpot(screen.toLayout(target.where), area, keepOut);
        canvas.icon(hudImage(HudImage::marker), spot.at, markerHalf, spot.degrees, target.colour);
        // The name and the distance under it go inward from the arrow.
        Align align = Align::centre;
        point name{spot.at.x, spot.at.y - textGap - 14};
        if (spot.at.x >= area.right - 0.5f) {
            align = Align::right;
            name = point{spot.at.x - textGap, spot.at.y + 2};
        } else if (spot.at.x <= area.left + 0.5f) {
            align = Align::left;
            name = point{spot.at.x + textGap, spot.at.y + 2};
        } else if (spot.at.y <= area.bottom + 0.5f) {
            name = point{spot.at.x, spot.at.y + textGap + 17};
        }
        std::string distance = distanceText(pointDistance(target.where, screen.centre));
        if (align == Align::centre) name.x = clearOfCorners(name, canvas.textWidth(target.name, nameScale) / 2, area, keepOut);
        canvas.text(target.name, name.x, name.y, nameScale, faded(target.colour, 0.85f), align);
        canvas.text(distance, name.x, name.y - 17, distanceScale, target.colour, align);
    }
}
