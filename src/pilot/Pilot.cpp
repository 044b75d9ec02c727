#include "pilot/Pilot.h"

#include "combat/Player.h"
#include "core/Geometry.h"
#include "pilot/Autopilot.h"
#include "pilot/FlightComputer.h"
#include "world/Universe.h"

namespace {
// An objective this much past its range still counts as reached.
const float objectiveSlack = 150;

bool steering(const ShipCommand& keys) {
    return keys.thrust > 0 || keys.reverse > 0 || keys.turnLeft > 0 || keys.turnRight > 0;
}

std::string autopilotNotice(const Destination& to) { return "Autopilot: to " + to.name; }
}  // namespace

ShipCommand Pilot::fly(const ShipCommand& keys, const Player& ship, const Universe& universe,
                       const std::vector<Destination>& places, bool assist, const FlightTuning& tuning, int dt) {
    follow(places, ship.getWorld());
    takePresses(ship, places);
    disengageWhenDone(keys, ship, places);
    if (stopping && (keys.thrust > 0 || keys.reverse > 0 || ship.destroyed)) stopping = false;
    wasLanded = ship.isLanded();

    const WorldState& world = universe.currentWorld();
    ShipCommand command = keys;
    if (autopilot) {
        command = autopilotCommand(ship, world, *marked(places), tuning, dt);
        command.fire = keys.fire;
        command.weapon = keys.weapon;
        return command;
    }
    NearestBody body = nearestBody(world, ship.position);
    if (stopping) {
        command.ease = tuning.brake;
    } else if (assist && keys.thrust <= 0 && keys.reverse <= 0) {
        command.ease = assistEase(speedIn(ship.velocity, body.velocity), tuning);
    }
    command.easeTo = body.velocity;
    return command;
}

const Destination* Pilot::marked(const std::vector<Destination>& places) const {
    for (const Destination& place : places) {
        if (place.sameAs(mark)) return &place;
    }
    return places.empty() ? nullptr : &places.front();
}

// A new first place takes the mark, and the autopilot with it.
void Pilot::follow(const std::vector<Destination>& places, int shipWorld) {
    if (places.empty()) return;
    bool newFirst = !seen || !first.sameAs(places.front()) || world != shipWorld;
    first = places.front();
    world = shipWorld;
    seen = true;
    if (!newFirst || mark.sameAs(first)) return;
    mark = first;
    if (autopilot) notice = autopilotNotice(first);
}

void Pilot::takePresses(const Player& ship, const std::vector<Destination>& places) {
    if (nextPressed) markNext(places);
    if (autopilotPressed) {
        if (autopilot) {
            disengage("Autopilot off");
        } else {
            engage(ship, places);
        }
    }
    if (stopPressed && !ship.destroyed) {
        autopilot = false;
        stopping = true;
        notice = "Stopping";
    }
    stopPressed = autopilotPressed = nextPressed = false;
}

void Pilot::markNext(const std::vector<Destination>& places) {
    if (places.empty()) {
        notice = "No destination";
        return;
    }
    const Destination* now = marked(places);
    size_t next = static_cast<size_t>(now - places.data() + 1) % places.size();
    mark = places[next];
    notice = autopilot ? autopilotNotice(mark) : "Destination: " + destinationText(mark);
}

void Pilot::engage(const Player& ship, const std::vector<Destination>& places) {
    const Destination* to = marked(places);
    if (ship.destroyed) return;
    if (!to) {
        notice = "Autopilot: no destination";
        return;
    }
    autopilot = true;
    stopping = false;
    autopilotWorld = ship.getWorld();
    notice = autopilotNotice(*to);
}

// Any flight key takes the ship back; the autopilot ends through the
// wormhole, on touching down, in range of the objective, or with the ship.
void Pilot::disengageWhenDone(const ShipCommand& keys, const Player& ship, const std::vector<Destination>& places) {
    if (!autopilot) return;
    const Destination* to = marked(places);
    if (steering(keys) || ship.destroyed || ship.getWorld() != autopilotWorld || (ship.isLanded() && !wasLanded)) {
        disengage("Autopilot off");
    } else if (!to) {
        disengage("Autopilot off: no destination");
    } else if (to->kind == DestinationKind::objective &&
               pointDistance(to->position, ship.position) < to->reach + objectiveSlack) {
        disengage("Autopilot off: " + to->name + " in range");
    }
}

void Pilot::disengage(const std::string& why) {
    autopilot = false;
    notice = why;
}
