#include "endless/EndlessRun.h"

#include <cstdlib>

#include "assets/NamedImages.h"
#include "assets/Tables.h"
#include "core/SeededRandom.h"
#include "endless/WaveMaker.h"
#include "endless/WorldGenerator.h"
#include "world/Universe.h"

namespace {
// The slots the written world files give every body and way on.
const int starSlot = 14;
const int planetSlot = 10;
const int swirlEffect = 1;
// Apart from the streams the worlds are made from.
const uint64_t randStream = 1u << 20;

Star starOf(const GeneratedWorld& world, size_t index) {
    const GeneratedStar& made = world.stars[index];
    Star star(made.position, made.radius, made.density, 0, starSlot, made.name);
    star.look = registerImage(made.look);
    for (const GeneratedPlanet& orbiting : world.planets) {
        if (orbiting.star != static_cast<int>(index)) continue;
        Planet planet(orbiting.radius, orbiting.density, orbiting.orbitRadius, orbiting.orbitSpeed,
                      orbiting.orbitAngle, orbiting.spinRate, orbiting.spinAngle, planetSlot, orbiting.name);
        planet.look = registerImage(orbiting.look);
        star.addPlanet(planet);
    }
    return star;
}
}  // namespace

EndlessRun::EndlessRun(uint64_t runSeed, const CampaignScript& campaign) : seed(runSeed), script(campaign) {
    script.startWorld = 0;
    script.worlds.clear();
}

bool EndlessRun::keepAhead(int world, Universe& universe) {
    bool made = false;
    while (static_cast<int>(universe.worlds.size()) <= world + 1) {
        GeneratedWorld next = generateWorld(seed, static_cast<int>(universe.worlds.size()));
        addGeneratedWorld(universe, next);
        script.worlds.push_back(next.script);
        made = true;
    }
    // A wormhole's effect seeds the C library's random numbers from the
    // clock as it is made: the run's go on from its seed instead, so that a
    // replay plays as the run did.
    if (made) std::srand(static_cast<unsigned>(SeededRandom(seed, randStream + universe.worlds.size()).next()));
    return made;
}

void addGeneratedWorld(Universe& universe, const GeneratedWorld& world) {
    if (universe.worlds.size() <= static_cast<size_t>(world.number)) {
        universe.worlds.resize(static_cast<size_t>(world.number) + 1);
    }
    WorldState& state = universe.worlds[static_cast<size_t>(world.number)];
    for (size_t i = 0; i < world.stars.size(); ++i) state.stars.push_back(starOf(world, i));
    const GeneratedWormhole& wayOn = world.wayOn;
    state.wormholes.push_back(Wormhole(world.number, wayOn.position, wayOn.captureRadius, wayOn.destination,
                                       wayOn.exit, swirlEffect));
}

bool endlessPlayable() { return SHIPDATA.size() >= static_cast<size_t>(generatedShipTypes); }

const Difficulty& endlessDifficulty(const CampaignScript& script) {
    const Difficulty* normal = script.difficulty("normal");
    return normal != nullptr ? *normal : script.difficulties.front();
}
