#pragma once

#include <cstddef>
#include <string>

class Campaign;
class Universe;
class Wormhole;

// The name the player knows a world by: the campaign's, else its first star's.
std::string worldTitle(const Universe& universe, const Campaign* campaign, int world);
// Whether the campaign (if any) has cleared that world.
bool worldCleared(const Campaign* campaign, int world);
// Whether a wormhole lets the ship through. In a campaign only the current
// world's wormholes are kept up to date, so a world's are open once it is cleared.
bool wormholeOpen(const Wormhole& wormhole, const Campaign* campaign);
// Whether a planet (its star's row in the world and its place among the
// star's planets) is where the campaign's new ships start.
bool isRespawnPlanet(const Campaign* campaign, size_t star, size_t planet);
