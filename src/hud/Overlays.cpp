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
    ScreenMap screen(camera, state.viewHeight, state.nearScale);
    noteArrival(hud, player.getWorld(), now);
    if (state.labelsShown()) {
        Box picture{0, w, 0, h};
        std::vector<LabelTarget> targets = bodyLabels(namedBodies(universe, campaign), screen, font);
        drawLabels(placeLabels(targets, picture, labelScale, labelKeepOut()), font, labelScale);
    }
    if (campaign) drawFloatingPoints(hud, screen, font, now);
    if (state.markersShown()) drawEdgeMarkers(markerTargets(universe, campaign, screen), screen, font);
    if (state.hudShown) {
        drawCornerMap(universe, campaign, font);
        drawHullPanel(font, player, fullHealth(state), hud, campaign, now);
        drawWeaponPanel(font, player, now);
        if (campaign) drawObjective(font, *campaign);
    }
    if (state.labelsShown()) drawArrivalBanner(hud, universe, campaign, font, now);
    if (campaign) drawCampaignMessages(*campaign, hud, font, now);
    if (state.largeMapShown) drawLargeMap(universe, campaign, font);
    if (feedbackShown(state)) drawHitPulse(hud, now);
    drawNotice(hud, font, now);
}
