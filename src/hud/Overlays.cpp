#include "hud/Overlays.h"

#include <GL/glew.h>

#include <algorithm>

#include "app/FrameState.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/Banner.h"
#include "hud/CornerMap.h"
#include "hud/EdgeMarkers.h"
#include "hud/Feedback.h"
#include "hud/Labels.h"
#include "hud/LargeMap.h"
#include "hud/Notices.h"
#include "hud/ScreenMap.h"
#include "hud/StatusPanels.h"
#include "hud/HudCanvas.h"
#include "world/Universe.h"

namespace {
// The hull the bar measures against.
float fullHealth(const FrameState& state) {
    return state.campaign ? state.campaign->fullHealth : state.hud.freeFlightFullHealth;
}

// Hits show in a campaign, and in Free flight with the HUD.
bool feedbackShown(const FrameState& state) { return state.campaign || state.hudShown; }
}  // namespace

void drawUnderShots(const FrameState& state, Universe& universe, int dt) {
    if (state.campaign) drawShotGlow(universe.currentWorld(), dt);
}

void noteWorldStep(FrameState& state, Universe& universe, int now) {
    HudState& hud = state.hud;
    Player& player = *universe.player;
    hud.freeFlightFullHealth = std::max(hud.freeFlightFullHealth, player.getHealth());
    if (state.campaign) noteKills(hud, universe.currentWorld(), *state.campaign, now);
    if (!feedbackShown(state)) {
        hud.seenDamage = player.damageTaken;
        return;
    }
    noteHits(hud, player, fullHealth(state), now);
    drawShipFlash(hud, player, now);
}

void drawOverlays(FrameState& state, Universe& universe, Font& font, point camera, int now) {
    useLayoutProjection();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    HudState& hud = state.hud;
    const Campaign* campaign = state.campaign;
    const Player& player = *universe.player;
    HudCanvas canvas(font);
    noteArrival(hud, player.getWorld(), now);
    if (state.largeMapShown) {
        // The map takes the whole picture: nothing under it is drawn over.
        drawLargeMap(universe, campaign, canvas);
    } else {
        ScreenMap screen(camera, state.viewHeight, state.nearScale);
        if (state.labelsShown()) {
            std::vector<LabelTarget> targets = bodyLabels(namedBodies(universe, campaign), screen, canvas);
            drawLabels(placeLabels(targets, Box{0, w, 0, h}, labelScale, labelKeepOut()), canvas, labelScale);
            drawArrivalBanner(hud, universe, campaign, canvas, now);
        }
        if (campaign) drawFloatingPoints(hud, screen, canvas, now);
        if (state.markersShown()) drawEdgeMarkers(markerTargets(universe, campaign, screen), screen, canvas);
        if (state.hudShown) {
            drawCornerMap(universe, campaign, canvas);
            drawWeaponPanel(canvas, player, now);
            if (campaign) drawObjective(canvas, *campaign);
        }
    }
    // What the ship must not miss, whatever covers the view.
    if (state.hudShown) drawHullPanel(canvas, player, fullHealth(state), hud, campaign, now);
    if (campaign) drawCampaignMessages(*campaign, hud, canvas, now, state.largeMapShown);
    drawNotice(hud, canvas, now);
    canvas.draw();
    if (feedbackShown(state)) drawHitPulse(hud, now);
}
