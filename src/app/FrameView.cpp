#include "app/FrameView.h"

#include <algorithm>

#include "app/FrameState.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "world/Universe.h"

namespace {
void addCampaign(HudView& view, const Campaign& campaign) {
    view.shotGlow = true;
    view.killPoints = true;
    view.hits = true;
    view.fullHealth = campaign.fullHealth;
    view.objective = campaign.objectiveText();
    view.score = campaign.scoreText();
    for (const CampaignMessage& message : campaign.messages) view.messages.push_back(HudMessage{message.text, message.until});
    for (size_t world = 0; world < campaign.universe.worlds.size(); ++world) {
        int number = static_cast<int>(world);
        view.worlds.push_back(
            WorldView{campaign.worldName(number), campaign.cleared[world], campaign.script.world(number) != nullptr});
    }
    view.startWorld = campaign.script.startWorld;
    if (campaign.respawn.onPlanet()) {
        view.respawnStar = campaign.respawn.star;
        view.respawnPlanet = campaign.respawn.planet;
    }
    view.newShipAt = campaign.respawnAt;
    for (size_t type = 0; type < campaign.script.points.size(); ++type) {
        view.pointsByType.push_back(campaign.pointsFor(static_cast<int>(type)));
    }
    for (const Upgrade& upgrade : campaign.upgrades) view.upgradeIcons.push_back(upgrade.icon);
}
}  // namespace

HudView frameView(const FrameState& state, const Universe& universe) {
    HudView view;
    view.panels = state.shown.hud;
    view.largeMap = state.shown.largeMap;
    view.labels = state.campaign || state.settings.freeFlightLabels;
    view.markers = state.campaign || state.settings.freeFlightMarkers;
    view.hits = state.shown.hud;
    view.fullHealth = std::max(state.hud.freeFlightFullHealth, universe.player->getHealth());
    view.startWorld = universe.player->getWorld();
    if (state.campaign) addCampaign(view, *state.campaign);
    return view;
}
