#include "pilot/Destinations.h"

#include "assets/ShipLooks.h"
#include "combat/Player.h"
#include "combat/Targeting.h"
#include "world/Planet.h"
#include "world/Universe.h"

namespace {
// A fight's range: near enough to shoot, not to be rammed at once.
const float objectiveRange = 900;
// Into a wormhole a little faster than a landing, so the next world's
// first seconds are not spent drifting.
const float wormholeArrival = 0.6f;
// Well under a crash, with room for the planet's pull on the last stretch.
const float landingArrival = 0.4f;

std::string worldName(const Universe& universe, const KnownPlaces& known, int world) {
    bool named = world >= 0 && static_cast<size_t>(world) < known.worldNames.size() &&
                 !known.worldNames[static_cast<size_t>(world)].empty();
    return named ? known.worldNames[static_cast<size_t>(world)] : starName(universe, world);
}

bool cleared(const KnownPlaces& known, int world) {
    return world >= 0 && static_cast<size_t>(world) < known.cleared.size() && known.cleared[static_cast<size_t>(world)];
}

void addWormholes(std::vector<Destination>& places, const Universe& universe, const KnownPlaces& known) {
    const std::vector<Wormhole>& wormholes = universe.currentWorld().wormholes;
    for (bool onward : {true, false}) {
        for (size_t i = 0; i < wormholes.size(); ++i) {
            const Wormhole& wormhole = wormholes[i];
            if (!wormhole.open || cleared(known, wormhole.destinationWorld) == onward) continue;
            Destination place;
            place.index = static_cast<int>(i);
            place.name = worldName(universe, known, wormhole.destinationWorld);
            place.position = wormhole.position;
            place.arrivalSpeed = wormholeArrival;
            places.push_back(place);
        }
    }
}

void addObjective(std::vector<Destination>& places, const Universe& universe, const KnownPlaces& known) {
    if (known.pointsByType.empty()) return;
    const Ship* target = mostValuableShip(universe.currentWorld().ships, known.pointsByType, universe.player->position);
    if (!target) return;
    Destination place;
    place.kind = DestinationKind::objective;
    place.name = shipLook(target->type).name;
    if (place.name.empty()) place.name = "Enemy";
    place.position = target->position;
    place.velocity = target->velocity;
    place.reach = objectiveRange;
    places.push_back(place);
}

void addRespawnPlanet(std::vector<Destination>& places, const Universe& universe, const KnownPlaces& known) {
    const std::vector<Star>& stars = universe.currentWorld().stars;
    size_t star = static_cast<size_t>(known.respawnStar);
    size_t planet = static_cast<size_t>(known.respawnPlanet);
    if (known.respawnStar < 0 || star >= stars.size() || planet >= stars[star].planets.size()) return;
    const Planet& home = stars[star].planets[planet];
    Destination place;
    place.kind = DestinationKind::planet;
    place.name = home.getName();
    place.position = home.position;
    place.velocity = home.velocity;
    place.reach = home.getRadius() + universe.player->getRadius();
    place.arrivalSpeed = landingArrival;
    places.push_back(place);
}
}  // namespace

std::string destinationText(const Destination& destination) {
    switch (destination.kind) {
        case DestinationKind::wormhole: return "wormhole to " + destination.name;
        case DestinationKind::objective: return "objective: " + destination.name;
        case DestinationKind::planet: return "planet " + destination.name;
    }
    return destination.name;
}

std::vector<Destination> destinations(const Universe& universe, const KnownPlaces& known) {
    std::vector<Destination> places;
    addWormholes(places, universe, known);
    addObjective(places, universe, known);
    addRespawnPlanet(places, universe, known);
    return places;
}
