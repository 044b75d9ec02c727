#include "hud/Labels.h"

#include <algorithm>

#include "assets/Font.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/EdgeMarkers.h"
#include "hud/HudCanvas.h"
#include "hud/HudView.h"
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
        float left = std::max(area.left, std::min(target.centre.x - target.width / 2, area.right - target.width));
        auto boxAt = [&](float baseline) { return Box{left, left + target.width, baseline - below, baseline + above}; };
        float under = target.centre.y - target.radius - gap - above;
        float over = target.centre.y + target.radius + gap + below;
        float baseline = under;
        if (under - below < area.bottom || overlaps(boxAt(under), keepOut)) {
            bool overFits = over + above <= area.top && !overlaps(boxAt(over), keepOut);
            baseline = overFits ? over : std::max(area.bottom + below, std::min(under, area.top - above));
        }
        Box box = boxAt(baseline);
        if (overlaps(box, taken)) continue;
        taken.push_back(box);
        placed.push_back(PlacedLabel{target.text, point{left, baseline}, target.colour});
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

void drawLabels(const std::vector<PlacedLabel>& labels, HudCanvas& canvas, float scale) {
    for (const PlacedLabel& label : labels) {
        canvas.text(label.text, label.at.x, label.at.y, scale, label.colour);
    }
}
