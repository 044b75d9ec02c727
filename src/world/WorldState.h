#pragma once

#include <list>
#include <memory>
#include <vector>

#include "combat/Projectile.h"
#include "combat/Ship.h"
#include "combat/TimerBase.h"
#include "world/Star.h"
#include "world/Wormhole.h"

// Everything that lives in one world. The world owns its timed events, so it
// can be moved but not copied.
class WorldState {
public:
    std::list<std::unique_ptr<TimerBase>> timers;
    std::list<Ship> ships;
    std::list<Projectile> projectiles;
    std::vector<Star> stars;
    std::vector<Wormhole> wormholes;
};
