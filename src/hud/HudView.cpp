#include "hud/HudView.h"

#include "world/Universe.h"

std::string HudView::worldName(const Universe& universe, int world) const {
    return known(world) ? worlds[static_cast<size_t>(world)].name : starName(universe, world);
}

bool HudView::cleared(int world) const { return known(world) && worlds[static_cast<size_t>(world)].cleared; }

bool HudView::named(int world) const { return known(world) && worlds[static_cast<size_t>(world)].named; }

bool HudView::known(int world) const { return world >= 0 && static_cast<size_t>(world) < worlds.size(); }

// In a campaign only the current world's wormholes are kept up to date, so a
// known world's are open once it is cleared.
bool HudView::wormholeOpen(const Wormhole& wormhole) const {
    return worlds.empty() ? wormhole.open : cleared(wormhole.sourceWorld);
}

bool HudView::isRespawnPlanet(size_t star, size_t planet) const {
    return respawnStar == static_cast<int>(star) && respawnPlanet == static_cast<int>(planet);
}

long long HudView::pointsFor(int type) const {
    return type >= 0 && static_cast<size_t>(type) < pointsByType.size() ? pointsByType[static_cast<size_t>(type)] : 0;
}
