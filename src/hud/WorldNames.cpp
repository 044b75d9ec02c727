#include "hud/WorldNames.h"

#include "campaign/Campaign.h"
#include "world/Universe.h"

std::string worldTitle(const Universe& universe, const Campaign* campaign, int world) {
    return campaign ? campaign->worldName(world) : starName(universe, world);
}

bool wormholeOpen(const Wormhole& wormhole, const Campaign* campaign) {
    if (!campaign) return wormhole.open;
    size_t world = static_cast<size_t>(wormhole.sourceWorld);
    return world < campaign->cleared.size() && campaign->cleared[world];
}

bool isRespawnPlanet(const Campaign* campaign, size_t star, size_t planet) {
    return campaign && campaign->respawn.onPlanet() && campaign->respawn.star == static_cast<int>(star) &&
           campaign->respawn.planet == static_cast<int>(planet);
}
