#pragma once

#include <string>
#include <vector>

#include "core/point.h"

class Universe;

// What the game knows of the places worth flying to in the ship's world. A
// campaign fills it; Free flight leaves it empty, which leaves its open
// wormholes.
struct KnownPlaces {
    // By world number, what each is called (empty: its first star's name)
    // and whether it is cleared: wormholes to worlds still to clear come first.
    std::vector<std::string> worldNames;
    std::vector<bool> cleared;
    // The planet where a new ship starts: its star's row and its place among
    // the star's planets, -1 for none.
    int respawnStar = -1;
    int respawnPlanet = -1;
    // Points a kill of each enemy type gives: the objective is the enemy
    // worth most. Empty for no objective.
    std::vector<long long> pointsByType;
};

enum class DestinationKind { wormhole, objective, planet };

// A place the autopilot can fly to, as it is this frame.
struct Destination {
    DestinationKind kind = DestinationKind::wormhole;
    // The wormhole's place among its world's; 0 for the others, of which
    // there is one each.
    int index = 0;
    // The world a wormhole leads to, the planet's name, the enemy's type.
    std::string name;
    point position{0, 0};
    point velocity{0, 0};
    // Arrived at this distance from the position: the wormhole's centre, a
    // touch on the planet, a fight's range from the enemy.
    float reach = 0;
    // How fast the ship may be, relative to the place, when it gets there.
    float arrivalSpeed = 0;

    bool sameAs(const Destination& other) const { return kind == other.kind && index == other.index; }
};

// "wormhole to Ember Deep", "planet Kestrel", "objective: Lancer".
std::string destinationText(const Destination& destination);
// The places of the ship's world in the order the destination key goes
// through them: the open wormholes (those to worlds still to clear first),
// the objective, the planet where new ships start.
std::vector<Destination> destinations(const Universe& universe, const KnownPlaces& known);
