#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "hud/FlightView.h"
#include "core/point.h"

class Universe;
class Wormhole;

// A world as the player knows it.
struct WorldView {
    std::string name;
    bool cleared = false;
    // The campaign gives it a block of its own: maps show it even empty.
    bool named = false;
};

// A line for the screen until the game clock reaches `until`.
struct HudMessage {
    std::string text;
    int until;
};

// What the HUD shows this frame, built afresh by the frame loop from the
// game's state: which pieces are on, the texts, and what is known of the
// worlds. Free flight's view is the same with the campaign's fields empty:
// no known worlds (stars name them), no objective, no messages, no points.
struct HudView {
    // The panels and the corner map; labels on the bodies and the arrival
    // banner; markers at the edge for what lies off screen; the large map.
    bool panels = false;
    bool labels = false;
    bool markers = false;
    bool largeMap = false;
    // Hits on the ship flash it and pulse the picture's edge.
    bool hits = false;
    // A glow under the player's shots, and the points of kills floating up.
    bool shotGlow = false;
    bool killPoints = false;
    // Hull bars on damaged enemies, the objective's target marked, and where
    // to aim the gun or the shockwave at the enemy nearest the aim.
    bool fightAids = false;
    // The classic status lines stand above the hull panel.
    bool statusLines = false;
    // The aim, on the world plane.
    point aim{0, 0};

    float fullHealth = 0;
    std::string objective;  // "" for none
    std::string score;
    // Why the progress is not saved, while it is not; "" for none.
    std::string unsaved;
    std::vector<HudMessage> messages;  // oldest first, two at most
    // The first campaign's hint of the moment ("" for none), and how far it
    // has faded in, from 0 to 1.
    std::string hint;
    float hintShare = 0;
    // By world number; empty when no campaign names them.
    std::vector<WorldView> worlds;
    // Where the chain of worlds begins: the campaign's first, else the ship's.
    int startWorld = 0;
    // The planet where a new ship starts (its star's row and its place
    // among the star's planets), -1 for none.
    int respawnStar = -1;
    int respawnPlanet = -1;
    // When a destroyed ship is replaced; -1 when it never is.
    int newShipAt = -1;
    // Points a kill of each enemy type gives.
    std::vector<long long> pointsByType;
    // The pictures of the upgrades the ship carries, in the order taken ("" for one without).
    std::vector<std::string> upgradeIcons;
    // The flight readouts, shown with the panels.
    FlightView flight;

    // The name the player knows a world by: its own, else its first star's.
    std::string worldName(const Universe& universe, int world) const;
    bool cleared(int world) const;
    bool named(int world) const;
    // Known worlds keep their wormholes open once cleared; others as loaded.
    bool wormholeOpen(const Wormhole& wormhole) const;
    bool isRespawnPlanet(size_t star, size_t planet) const;
    long long pointsFor(int type) const;

private:
    bool known(int world) const;
};
