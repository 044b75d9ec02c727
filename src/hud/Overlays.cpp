#include "hud/Overlays.h"

#include <GL/glew.h>

#include <algorithm>

#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/Banner.h"
#include "hud/ClassicOverlays.h"
#include "hud/CornerMap.h"
#include "hud/EdgeMarkers.h"
#include "hud/Feedback.h"
#include "hud/FightAids.h"
#include "hud/FlightCues.h"
#include "hud/HudCanvas.h"
#include "hud/HudState.h"
#include "hud/HudView.h"
#include "hud/Labels.h"
#include "hud/LargeMap.h"
#include "hud/Notices.h"
#include "hud/ScreenLayout.h"
#include "hud/ScreenMap.h"
#include "hud/StatusPanels.h"
#include "world/Universe.h"

void drawUnderShots(const HudView& view, Universe& universe, int dt) {
    if (view.shotGlow) drawShotGlow(universe.currentWorld(), dt);
}

void noteWorldStep(HudState& hud, const HudView& view, Universe& universe, int now) {
    Player& player = *universe.player;
    hud.freeFlightFullHealth = std::max(hud.freeFlightFullHealth, player.getHealth());
    if (view.killPoints) noteKills(hud, universe.currentWorld(), view, now);
    if (!view.hits) {
        hud.seenDamage = player.damageTaken;
        return;
    }
    noteHits(hud, player.damageTaken, view.fullHealth, now);
    drawShipFlash(hud, player, now);
}

namespace {
// Text keeps this many pixels clear of the ship, beyond its radius.
const float shipClearance = 40;

// What is the HUD's own before anything is placed: the corners with the radar
// and the map, the bottom panels and the status lines.
ScreenLayout startLayout(const HudView& view) {
    ScreenLayout layout(Box{0, w, 0, h});
    for (const Box& box : labelKeepOut()) layout.take(box);
    if (view.statusLines) layout.take(statusLinesBox(view.panels ? statusLinesRaise : 0));
    if (view.flight.shown) layout.take(flightPanelBox());
    if (view.panels && !view.upgradeIcons.empty()) layout.take(upgradeIconsBox(view));
    return layout;
}

// The ship and the bodies in view, which text had rather not cover.
void addBodies(ScreenLayout& layout, const std::vector<NamedBody>& bodies, const Player& player,
               const ScreenMap& screen) {
    layout.bodies.push_back(Disc{screen.toLayout(player.position), screen.toPixels(player.getRadius()) + shipClearance});
    for (const NamedBody& body : bodies) {
        if (screen.shows(body.where, body.radius)) {
            layout.bodies.push_back(Disc{screen.toLayout(body.where), screen.toPixels(body.radius)});
        }
    }
}

// Over the world: the panels first, then what may move to find room (the
// banner, the messages, the hint, the answer to a key), then what stands by
// the edge or by a body (markers, labels, points of kills), each placed where
// the ones before it left room; then the help in reading the fight.
void drawOverPlay(HudState& hud, const HudView& view, Universe& universe, const ScreenMap& screen,
                  HudCanvas& canvas, ScreenLayout& layout, int now) {
    const Player& player = *universe.player;
    // Free flight's classic picture places nothing among the bodies.
    std::vector<NamedBody> bodies;
    if (view.labels || view.panels) bodies = namedBodies(universe, view);
    addBodies(layout, bodies, player, screen);
    if (view.panels) {
        drawCornerMap(universe, view, canvas);
        drawWeaponPanel(canvas, player, now);
        if (!view.objective.empty()) layout.take(drawObjective(canvas, view));
    }
    if (view.labels) drawArrivalBanner(hud, universe, view, canvas, layout, now);
    drawMessages(view, hud, universe, canvas, layout, now);
    drawHint(view, canvas, layout);
    drawNotice(hud, canvas, layout, now);
    if (view.markers) drawEdgeMarkers(markerTargets(universe, view, screen), screen, canvas, layout);
    if (view.labels) {
        std::vector<LabelTarget> targets = bodyLabels(bodies, screen, canvas);
        drawLabels(placeLabels(targets, layout.picture, labelScale, layout.taken), canvas, labelScale, &layout);
    }
    if (view.killPoints) drawFloatingPoints(hud, screen, canvas, layout, now);
    if (view.fightAids) drawFightAids(universe, view, screen, canvas);
    if (view.flight.shown) drawFlightCues(view.flight, player, screen, canvas);
}
}  // namespace

void drawOverlays(HudState& hud, const HudView& view, Universe& universe, Font& font, const ScreenMap& screen, int now) {
    useLayoutProjection();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const Player& player = *universe.player;
    HudCanvas canvas(font);
    noteArrival(hud, player.getWorld(), now);
    if (view.largeMap) {
        // The map takes the whole picture: nothing under it is drawn over.
        drawLargeMap(universe, view, canvas);
        ScreenLayout overMap(Box{0, w, 0, h});
        drawMessages(view, hud, universe, canvas, overMap, now);
        drawNotice(hud, canvas, overMap, now);
    } else {
        ScreenLayout layout = startLayout(view);
        drawOverPlay(hud, view, universe, screen, canvas, layout, now);
    }
    // What the ship must not miss, whatever covers the view.
    if (view.panels) {
        drawHullPanel(canvas, player, view, hud, now);
        drawUpgradeIcons(canvas, view);
    }
    canvas.draw();
    if (view.hits) drawHitPulse(hud, now);
}
