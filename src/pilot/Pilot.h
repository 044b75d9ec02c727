#pragma once

#include <string>
#include <vector>

#include "combat/ShipCommand.h"
#include "pilot/Destinations.h"
#include "pilot/FlightTuning.h"

class Player;
class Universe;

// Between the keys and the ship, where the game turns it on: the flight
// assist, the stop, the autopilot and the destination marked for it. The
// keys' presses wait here for the next frame.
class Pilot {
public:
    // The command the ship obeys this frame. The autopilot flies while it is
    // engaged (the keys still fire), and any flight key takes the ship back;
    // otherwise the keys fly, and the flight computer adds a stop's brake, or
    // with `assist` on and no thrust held the assist's ease, towards rest
    // relative to the nearest body.
    ShipCommand fly(const ShipCommand& keys, const Player& ship, const Universe& universe,
                    const std::vector<Destination>& places, bool assist, const FlightTuning& tuning, int dt);
    // The marked one of `places` (the first, unless the player chose
    // another), or nullptr when there are none.
    const Destination* marked(const std::vector<Destination>& places) const;

    bool stopPressed = false;
    bool autopilotPressed = false;
    bool nextPressed = false;
    bool autopilot = false;
    // Braking to rest, and holding there until thrust or reverse is held.
    bool stopping = false;
    // What the pilot has to say, for the HUD's notice; the game takes it.
    std::string notice;

private:
    void follow(const std::vector<Destination>& places, int world);
    void takePresses(const Player& ship, const std::vector<Destination>& places);
    void markNext(const std::vector<Destination>& places);
    void engage(const Player& ship, const std::vector<Destination>& places);
    void disengageWhenDone(const ShipCommand& keys, const Player& ship, const std::vector<Destination>& places);
    void disengage(const std::string& why);

    Destination mark;
    // The first of the places and the world when last seen: when another
    // place comes first (a wormhole opens, a new world) the mark goes to it.
    Destination first;
    int world = -1;
    bool seen = false;
    int autopilotWorld = -1;
    bool wasLanded = false;
};
