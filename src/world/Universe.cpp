#include "world/Universe.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "combat/Player.h"

namespace {
// A world number that names no world cannot be recovered from mid-game.
void requireWorld(const Universe& universe, int world, const std::string& who) {
    if (world >= 0 && static_cast<size_t>(world) < universe.worlds.size()) {
        return;
    }
    std::cout << who << " " << world << ", but only " << universe.worlds.size() << " worlds exist"
              << std::endl;
    std::exit(1);
}
}  // namespace

WorldState& Universe::operator[](int world) {
    requireWorld(*this, world, "Asked for world");
    return worlds[world];
}

WorldState& Universe::currentWorld() {
    requireWorld(*this, player->getWorld(), "Player is in world");
    return worlds[player->getWorld()];
}

const WorldState& Universe::currentWorld() const {
    requireWorld(*this, player->getWorld(), "Player is in world");
    return worlds[player->getWorld()];
}

Universe freshUniverse(const Universe& loaded) {
    Universe fresh;
    fresh.worlds.resize(loaded.worlds.size());
    for (size_t i = 0; i < loaded.worlds.size(); ++i) {
        fresh.worlds[i].stars = loaded.worlds[i].stars;
        fresh.worlds[i].wormholes = loaded.worlds[i].wormholes;
    }
    return fresh;
}

std::string starName(const Universe& universe, int world) {
    // An endless run's next world but one is not made until the ship gets on.
    if (world < 0 || static_cast<size_t>(world) >= universe.worlds.size()) return "World " + std::to_string(world);
    const std::vector<Star>& stars = universe.worlds[static_cast<size_t>(world)].stars;
    return stars.empty() ? "World " + std::to_string(world) : stars.front().getName();
}
