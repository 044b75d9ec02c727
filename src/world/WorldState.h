#pragma once

#include <list>
#include <memory>
#include <vector>

#include "combat/Projectile.h"
#include "combat/Ship.h"
#include "combat/TimerBase.h"
#include "world/Star.h"
#include "world/Wormhole.h"

enum class LossCause { destroyed, rammed, fell };

// A ship that left the world during a step, and why.
struct ShipLoss {
    int type;
    int tag;
    point position;
    LossCause cause;
};

// Everything that lives in one world. The world owns its timed events, so it
// can be moved but not copied.
class WorldState {
public:
    // Forgets the ship losses of the last step; called as a step begins.
    void beginStep() { shipLosses.clear(); }
    void noteLoss(const Ship& ship, LossCause cause) {
        shipLosses.push_back(ShipLoss{ship.type, ship.tag, ship.position, cause});
    }
    // A shot swallowed by a star is nobody's loss.
    void noteLoss(const Projectile&, LossCause) {}

    std::list<std::unique_ptr<TimerBase>> timers;
    std::list<Ship> ships;
    std::list<Projectile> projectiles;
    std::vector<Star> stars;
    std::vector<Wormhole> wormholes;
    // The ships removed since the step began.
    std::vector<ShipLoss> shipLosses;
    // The campaign's feedback on hits: a ship hit by the player flashes and
    // throws a spark of its own colour, and a destroyed ship explodes as wide
    // as it is; the player's gun shots, beam and shockwave ring wear the
    // player's own colour. Off in Free flight, which draws as it always has.
    bool hitFeedback = false;
};
