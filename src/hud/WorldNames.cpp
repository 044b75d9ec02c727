#include "hud/WorldNames.h"

#include "campaign/Campaign.h"
#include "world/Universe.h"

std::string worldTitle(const Universe& universe, const Campaign* campaign, int world) {
    return campaign ? campaign->worldName(world) : starName(universe, world);
}

bool worldCleared(const Campaign* campaign, int world) {
    size_t n = static_cast<size_t>(world);
    return campaign && n < campaign->cleared.size() && campaign->cleared[n];
}

bool wormholeOpen(const Wormhole& wormhole, const Campaign* campaign) {
    return campaign ? worldCleared(campaign, wormhole.sourceWorld) : wormhole.open;
}

bool isRespawnPlanet(const Campaign* campaign, size_t star, size_t planet) {
    return campaign && campaign->respawn.onPlanet() && campaign->respawn.star == static_cast<int>(star) &&
           campaign->respawn.planet == static_cast<int>(planet);
}
