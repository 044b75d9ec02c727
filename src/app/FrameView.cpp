#include "app/FrameView.h"

#include <algorithm>

#include "app/FrameState.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "core/Geometry.h"
#include "pilot/FlightComputer.h"
#include "world/Planet.h"
#include "world/Universe.h"

namespace {
// The landing cue shows within this distance of a planet's surface.
const float landingCueReach = 1500;

void addCampaign(HudView& view, const Campaign& campaign, const KnownPlaces& known, const Hints& hints, int now) {
    view.shotGlow = true;
    view.killPoints = true;
    view.hits = true;
    view.fullHealth = campaign.fullHealth;
    view.objective = campaign.objectiveText();
    view.score = campaign.scoreText();
    if (!campaign.saveProblem.empty()) view.unsaved = "Progress not saved: " + campaign.saveProblem;
    size_t shown = std::min(campaign.messages.size(), Campaign::messagesShown);
    for (size_t i = 0; i < shown; ++i) {
        view.messages.push_back(HudMessage{campaign.messages[i].text, campaign.messages[i].until});
    }
    view.hint = hints.line(now, view.hintShare);
    for (size_t world = 0; world < known.worldNames.size(); ++world) {
        bool named = campaign.script.world(static_cast<int>(world)) != nullptr;
        view.worlds.push_back(WorldView{known.worldNames[world], known.cleared[world], named});
    }
    view.startWorld = campaign.script.startWorld;
    view.respawnStar = known.respawnStar;
    view.respawnPlanet = known.respawnPlanet;
    view.newShipAt = campaign.respawnAt;
    view.pointsByType = known.pointsByType;
    for (const Upgrade& upgrade : campaign.upgrades) view.upgradeIcons.push_back(upgrade.icon);
}

void addFlight(FlightView& flight, const FrameState& state, const Universe& universe, const KnownPlaces& known) {
    const Player& ship = *universe.player;
    const WorldState& world = universe.currentWorld();
    flight.shown = true;
    flight.speed = speedIn(ship.velocity, nearestBody(world, ship.position).velocity);
    flight.autopilot = state.pilot.autopilot;
    flight.stopping = state.pilot.stopping;
    flight.assist = state.campaign ? state.settings.flightAssist : state.settings.freeFlightAssist;
    std::vector<Destination> places = destinations(universe, known);
    if (const Destination* to = state.pilot.marked(places)) {
        flight.destination = destinationText(*to);
        flight.destinationAt = to->position;
        flight.destinationRadius = std::max(to->reach, ship.getRadius());
        // The objective has its brackets already; its reach is a fight's range, not its size.
        flight.framed = to->kind != DestinationKind::objective;
    }
    const Planet* planet = nearestPlanet(world, ship.position);
    if (!planet || ship.isLanded() ||
        pointDistance(planet->position, ship.position) - planet->getRadius() > landingCueReach) {
        return;
    }
    flight.landing = true;
    flight.planetAt = planet->position;
    flight.touchRadius = planet->getRadius() + ship.getRadius();
    flight.touchSpeed = touchDownSpeed(ship, *planet);
    flight.safeSpeed = crashSpeed;
}
}  // namespace

HudView frameView(const FrameState& state, const Universe& universe, point camera) {
    HudView view;
    view.panels = state.shown.hud;
    view.fightAids = state.shown.hud;
    view.statusLines = state.shown.statusLines;
    view.aim = state.cursorInWorld(camera);
    view.largeMap = state.shown.largeMap;
    view.labels = state.campaign || state.settings.freeFlightLabels;
    view.markers = state.campaign || state.settings.freeFlightMarkers;
    view.hits = state.shown.hud;
    view.fullHealth = std::max(state.hud.freeFlightFullHealth, universe.player->getHealth());
    view.startWorld = universe.player->getWorld();
    KnownPlaces known = knownPlaces(state);
    if (state.campaign) addCampaign(view, *state.campaign, known, state.hints, static_cast<int>(state.clockTime));
    if (state.shown.flight && state.shown.hud) addFlight(view.flight, state, universe, known);
    return view;
}

KnownPlaces knownPlaces(const FrameState& state) {
    KnownPlaces known;
    if (!state.campaign) return known;
    const Campaign& campaign = *state.campaign;
    for (size_t world = 0; world < campaign.universe.worlds.size(); ++world) {
        known.worldNames.push_back(campaign.worldName(static_cast<int>(world)));
        known.cleared.push_back(campaign.cleared[world]);
    }
    if (campaign.respawn.onPlanet()) {
        known.respawnStar = campaign.respawn.star;
        known.respawnPlanet = campaign.respawn.planet;
    }
    for (size_t type = 0; type < campaign.script.points.size(); ++type) {
        known.pointsByType.push_back(campaign.pointsFor(static_cast<int>(type)));
    }
    return known;
}

FlightTuning flightTuning(const FrameState& state) {
    return state.campaign ? state.campaign->script.flight : FlightTuning{};
}
