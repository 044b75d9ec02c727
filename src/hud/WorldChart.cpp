#include "hud/WorldChart.h"

#include <algorithm>

#include "assets/Font.h"
#include "combat/Player.h"
#include "hud/ChartView.h"
#include "hud/HudArt.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "world/Universe.h"

namespace {
// A world with nearly nothing in it still shows this much round the ship.
const float leastHalf = 6000;
const float marginShare = 0.1f;
const Colour orbitColour{0.45f, 0.55f, 0.75f, 0.35f};
const Colour shipColour{0.6f, 1, 1};
const float planetShare = 0.75f;
const float wormholeShare = 0.9f;

void grow(Box& box, point centre, float reach) {
    box.left = std::min(box.left, centre.x - reach);
    box.right = std::max(box.right, centre.x + reach);
    box.bottom = std::min(box.bottom, centre.y - reach);
    box.top = std::max(box.top, centre.y + reach);
}

}  // namespace

Box chartExtent(const WorldState& world, point ship) {
    Box box{ship.x, ship.x, ship.y, ship.y};
    for (const Star& star : world.stars) {
        float reach = star.getRadius();
        for (const Planet& planet : star.planets) reach = std::max(reach, planet.orbitRadius + planet.getRadius());
        grow(box, star.position, reach);
    }
    for (const Wormhole& wormhole : world.wormholes) grow(box, wormhole.position, wormhole.captureRadius);
    point centre{(box.left + box.right) / 2, (box.bottom + box.top) / 2};
    float half = std::max({(box.right - box.left) / 2, (box.top - box.bottom) / 2, leastHalf}) * (1 + marginShare);
    return Box{centre.x - half, centre.x + half, centre.y - half, centre.y + half};
}

void drawWorldChart(HudCanvas& canvas, const ChartView& chart, const WorldState& world, const Player& player,
                    const HudView& view, float symbol) {
    for (const Star& star : world.stars) {
        for (const Planet& planet : star.planets) {
            canvas.circle(chart.toFrame(star.position), chart.toPixels(planet.orbitRadius), orbitColour);
        }
    }
    for (const Wormhole& wormhole : world.wormholes) {
        Colour colour = view.wormholeOpen(wormhole) ? labelColours::openWormhole : labelColours::closedWormhole;
        canvas.icon(hudImage(HudImage::mapWormhole), chart.toFrame(wormhole.position), symbol * wormholeShare, 0, colour);
    }
    for (size_t s = 0; s < world.stars.size(); ++s) {
        const Star& star = world.stars[s];
        canvas.icon(hudImage(HudImage::mapStar), chart.toFrame(star.position), symbol, 0, labelColours::star);
        for (size_t p = 0; p < star.planets.size(); ++p) {
            bool respawn = view.isRespawnPlanet(s, p);
            point at = chart.toFrame(star.planets[p].position);
            canvas.icon(hudImage(HudImage::mapPlanet), at, symbol * planetShare, 0,
                     respawn ? labelColours::respawn : labelColours::planet);
            if (respawn) canvas.circle(at, symbol * planetShare + 3, labelColours::respawn);
        }
    }
    for (const Ship& ship : world.ships) {
        point at = chart.toFrame(ship.position);
        if (chart.inFrame(at)) canvas.dot(at, std::max(2.0f, symbol / 4), labelColours::enemy);
    }
    if (!player.destroyed) {
        canvas.icon(hudImage(HudImage::mapPlayer), chart.toFrame(player.position), symbol, player.getAngle(), shipColour);
    }
}

std::vector<LabelTarget> chartLabels(const ChartView& view, const std::vector<NamedBody>& bodies, float symbol,
                                     HudCanvas& canvas, float scale) {
    std::vector<LabelTarget> targets;
    for (const NamedBody& body : bodies) {
        float share = body.kind == BodyKind::star ? 1 : body.kind == BodyKind::planet ? planetShare : wormholeShare;
        targets.push_back(
            LabelTarget{body.text, view.toFrame(body.where), symbol * share, canvas.textWidth(body.text, scale), body.colour});
    }
    return targets;
}
