#include "hud/Overlays.h"

#include <GL/glew.h>

#include <algorithm>

#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/Banner.h"
#include "hud/CornerMap.h"
#include "hud/EdgeMarkers.h"
#include "hud/Feedback.h"
#include "hud/FlightCues.h"
#include "hud/HudCanvas.h"
#include "hud/HudState.h"
#include "hud/HudView.h"
#include "hud/Labels.h"
#include "hud/LargeMap.h"
#include "hud/Notices.h"
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

void drawOverlays(HudState& hud, const HudView& view, Universe& universe, Font& font, const ScreenMap& screen, int now) {
    useLayoutProjection();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const Player& player = *universe.player;
    HudCanvas canvas(font);
    noteArrival(hud, player.getWorld(), now);
    if (view.largeMap) {
        // The map takes the whole picture: nothing under it is drawn over.
        drawLargeMap(universe, view, canvas);
    } else {
        if (view.labels) {
            std::vector<LabelTarget> targets = bodyLabels(namedBodies(universe, view), screen, canvas);
            std::vector<Box> keepOut = labelKeepOut();
            if (view.flight.shown) keepOut.push_back(flightPanelBox());
            drawLabels(placeLabels(targets, Box{0, w, 0, h}, labelScale, keepOut), canvas, labelScale);
            drawArrivalBanner(hud, universe, view, canvas, now);
        }
        if (view.killPoints) drawFloatingPoints(hud, screen, canvas, now);
        if (view.markers) drawEdgeMarkers(markerTargets(universe, view, screen), screen, canvas);
        if (view.panels) {
            drawCornerMap(universe, view, canvas);
            drawWeaponPanel(canvas, player, now);
            if (!view.objective.empty()) drawObjective(canvas, view);
        }
        if (view.flight.shown) drawFlightCues(view.flight, player, screen, canvas);
    }
    // What the ship must not miss, whatever covers the view.
    if (view.panels) {
        drawHullPanel(canvas, player, view, hud, now);
        drawUpgradeIcons(canvas, view);
    }
    drawMessages(view, hud, universe, canvas, now);
    drawNotice(hud, canvas, now);
    canvas.draw();
    if (view.hits) drawHitPulse(hud, now);
}
