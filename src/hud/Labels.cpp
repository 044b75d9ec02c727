#include "hud/Labels.h"

#include <algorithm>

#include "assets/Font.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/EdgeMarkers.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "hud/ScreenLayout.h"
#include "hud/ScreenMap.h"
#include "world/Universe.h"

namespace {
// Between a body's edge and its label's top, in pixels.
const float gap = 5;
// A line of text reaches this many times its scale above the baseline, and
// a third of that below.
const float ascent = 1.35f;
const float descent = 0.45f;

bool touches(point centre, float radius, const Box& area) {
    return centre.x + radius >= area.left && centre.x - radius <= area.right && centre.y + radius >= area.bottom &&
           centre.y - radius <= area.top;
}

// Where a label may go, first choice first (the left end of its baseline):
// centred under its body, over it, beside it on the right, on the left, and
// last under it but pushed inside the area.
std::vector<point> labelSpots(const LabelTarget& target, const Box& area, float above, float below) {
    float left = std::max(area.left, std::min(target.centre.x - target.width / 2, area.right - target.width));
    float under = target.centre.y - target.radius - gap - above;
    float over = target.centre.y + target.radius + gap + below;
    float level = target.centre.y - (above - below) / 2;
    float pushed = std::max(area.bottom + below, std::min(under, area.top - above));
    return {point{left, under}, point{left, over}, point{target.centre.x + target.radius + gap, level},
            point{target.centre.x - target.radius - gap - target.width, level}, point{left, pushed}};
}

// For a body hidden under a panel: just below the panel, or beside it.
std::vector<point> spotsOutside(const LabelTarget& target, const std::vector<Box>& keepOut, float above,
                                float below) {
    std::vector<point> spots;
    for (const Box& box : keepOut) {
        if (target.centre.x < box.left || target.centre.x > box.right || target.centre.y < box.bottom ||
            target.centre.y > box.top) {
            continue;
        }
        float left = std::max(box.left, std::min(target.centre.x - target.width / 2, box.right - target.width));
        spots.push_back(point{left, box.bottom - gap - above});
        spots.push_back(point{box.left - gap - target.width, target.centre.y - (above - below) / 2});
        spots.push_back(point{box.right + gap, target.centre.y - (above - below) / 2});
    }
    return spots;
}
}  // namespace

std::vector<PlacedLabel> placeLabels(const std::vector<LabelTarget>& targets, const Box& area, float scale,
                                     const std::vector<Box>& keepOut) {
    float above = ascent * scale;
    float below = descent * scale;
    std::vector<PlacedLabel> placed;
    std::vector<Box> taken;
    auto overlaps = [](const Box& box, const std::vector<Box>& boxes) {
        return std::any_of(boxes.begin(), boxes.end(), [&](const Box& other) { return other.touches(box); });
    };
    for (const LabelTarget& target : targets) {
        if (!touches(target.centre, target.radius, area)) continue;
        auto boxAt = [&](point at) { return Box{at.x, at.x + target.width, at.y - below, at.y + above}; };
        auto usable = [&](point at) { return area.holds(boxAt(at)) && !overlaps(boxAt(at), keepOut); };
        std::vector<point> spots = labelSpots(target, area, above, below);
        auto chosen = std::find_if(spots.begin(), spots.end(), usable);
        if (chosen == spots.end()) {
            spots = spotsOutside(target, keepOut, above, below);
            chosen = std::find_if(spots.begin(), spots.end(), usable);
            if (chosen == spots.end()) continue;
        }
        Box box = boxAt(*chosen);
        if (overlaps(box, taken)) continue;
        taken.push_back(box);
        placed.push_back(PlacedLabel{target.text, *chosen, target.colour});
    }
    return placed;
}

std::vector<Box> labelKeepOut() {
    std::vector<Box> boxes = markerKeepOut();
    // The hull and weapon panels.
    boxes.push_back(Box{0, 392, 0, 100});
    boxes.push_back(Box{w - 392.0f, w, 0, 100});
    return boxes;
}

std::string wormholeLabel(const Universe& universe, const HudView& view, const Wormhole& wormhole) {
    return "To " + view.worldName(universe, wormhole.destinationWorld) +
           (view.wormholeOpen(wormhole) ? " (open)" : " (closed)");
}

std::vector<NamedBody> namedBodies(const Universe& universe, const HudView& view) {
    const WorldState& world = universe.currentWorld();
    std::vector<NamedBody> bodies;
    for (const Wormhole& wormhole : world.wormholes) {
        Colour colour = view.wormholeOpen(wormhole) ? labelColours::openWormhole : labelColours::closedWormhole;
        bodies.push_back(NamedBody{wormholeLabel(universe, view, wormhole), wormhole.position,
                                   wormhole.captureRadius * swirlReach, BodyKind::wormhole, colour});
    }
    for (const Star& star : world.stars) {
        bodies.push_back(NamedBody{star.getName(), star.position, star.getRadius(), BodyKind::star, labelColours::star});
    }
    for (size_t s = 0; s < world.stars.size(); ++s) {
        const std::vector<Planet>& planets = world.stars[s].planets;
        for (size_t p = 0; p < planets.size(); ++p) {
            bool respawn = view.isRespawnPlanet(s, p);
            bodies.push_back(NamedBody{planets[p].getName(), planets[p].position, planets[p].getRadius(),
                                       BodyKind::planet, respawn ? labelColours::respawn : labelColours::planet,
                                       respawn});
        }
    }
    return bodies;
}

std::vector<LabelTarget> bodyLabels(const std::vector<NamedBody>& bodies, const ScreenMap& screen, HudCanvas& canvas) {
    std::vector<LabelTarget> targets;
    for (const NamedBody& body : bodies) {
        if (!screen.shows(body.where, body.radius)) continue;
        std::string text = body.respawn ? body.text + " (new ships start here)" : body.text;
        targets.push_back(LabelTarget{text, screen.toLayout(body.where), screen.toPixels(body.radius),
                                      canvas.textWidth(text, labelScale), body.colour});
    }
    return targets;
}

void drawLabels(const std::vector<PlacedLabel>& labels, HudCanvas& canvas, float scale, ScreenLayout* layout) {
    for (const PlacedLabel& label : labels) {
        if (layout) {
            Box box = canvas.textBox(label.text, label.at.x, label.at.y, scale);
            layout->take(box);
            drawBacking(canvas, box, 0.8f);
        }
        canvas.text(label.text, label.at.x, label.at.y, scale, label.colour);
    }
}
