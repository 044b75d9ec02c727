#include "hud/Labels.h"

#include <algorithm>

#include "assets/Font.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "hud/ScreenMap.h"
#include "hud/WorldNames.h"
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

std::vector<PlacedLabel> placeLabels(const std::vector<LabelTarget>& targets, const Box& area, float scale) {
    float above = ascent * scale;
    float below = descent * scale;
    std::vector<PlacedLabel> placed;
    std::vector<Box> taken;
    for (const LabelTarget& target : targets) {
        if (!touches(target.centre, target.radius, area)) continue;
        float left = std::max(area.left, std::min(target.centre.x - target.width / 2, area.right - target.width));
        float baseline =
            std::max(area.bottom + below, std::min(target.centre.y - target.radius - gap - above, area.top - above));
        Box box{left, left + target.width, baseline - below, baseline + above};
        bool overlaps = std::any_of(taken.begin(), taken.end(), [&](const Box& other) { return other.touches(box); });
        if (overlaps) continue;
        taken.push_back(box);
        placed.push_back(PlacedLabel{target.text, point{left, baseline}, target.colour});
    }
    return placed;
}

std::string wormholeLabel(const Universe& universe, const Campaign* campaign, const Wormhole& wormhole) {
    return "To " + worldTitle(universe, campaign, wormhole.destinationWorld) +
           (wormholeOpen(wormhole, campaign) ? " (open)" : " (closed)");
}

std::vector<NamedBody> namedBodies(const Universe& universe, const Campaign* campaign) {
    const WorldState& world = universe.worlds[static_cast<size_t>(universe.player->getWorld())];
    std::vector<NamedBody> bodies;
    for (const Wormhole& wormhole : world.wormholes) {
        Colour colour = wormholeOpen(wormhole, campaign) ? labelColours::openWormhole : labelColours::closedWormhole;
        bodies.push_back(NamedBody{wormholeLabel(universe, campaign, wormhole), wormhole.position,
                                   wormhole.captureRadius * swirlReach, BodyKind::wormhole, colour});
    }
    for (const Star& star : world.stars) {
        bodies.push_back(NamedBody{star.getName(), star.position, star.getRadius(), BodyKind::star, labelColours::star});
    }
    for (size_t s = 0; s < world.stars.size(); ++s) {
        const std::vector<Planet>& planets = world.stars[s].planets;
        for (size_t p = 0; p < planets.size(); ++p) {
            bool respawn = isRespawnPlanet(campaign, s, p);
            bodies.push_back(NamedBody{planets[p].getName() + (respawn ? " (new ships start here)" : ""),
                                       planets[p].position, planets[p].getRadius(), BodyKind::planet,
                                       respawn ? labelColours::respawn : labelColours::planet});
        }
    }
    return bodies;
}

std::vector<LabelTarget> bodyLabels(const std::vector<NamedBody>& bodies, const ScreenMap& screen, Font& font) {
    std::vector<LabelTarget> targets;
    for (const NamedBody& body : bodies) {
        if (!screen.shows(body.where, body.radius)) continue;
        targets.push_back(LabelTarget{body.text, screen.toLayout(body.where), screen.toPixels(body.radius),
                                      font.textWidth(body.text, labelScale), body.colour});
    }
    return targets;
}

void drawLabels(const std::vector<PlacedLabel>& labels, Font& font, float scale) {
    for (const PlacedLabel& label : labels) {
        drawText(font, label.text, label.at.x, label.at.y, scale, label.colour);
    }
}
