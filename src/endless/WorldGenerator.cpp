#include "endless/WorldGenerator.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

#include "core/Geometry.h"
#include "core/SeededRandom.h"
#include "endless/NameMaker.h"
#include "endless/WaveMaker.h"
#include "endless/WorldRules.h"

namespace {

// The streams one seed keeps apart.
const uint64_t layoutStream = 1;

// The game turns file degrees into radians with 3.14 for pi.
const float gameRadiansPerDegree = 3.14f / 180;
const float pi = 3.14159265f;

const char* const starLooks[] = {"stars/yellow.png", "stars/orange.png", "stars/red.png", "stars/white.png",
                                 "stars/blue.png"};
const char* const planetLooks[] = {"planets/rocky.png",   "planets/icy.png",   "planets/desert.png",
                                   "planets/oceanic.png", "planets/gaseous.png", "planets/barren.png",
                                   "planets/molten.png",  "planets/toxic.png"};

float rounded(float value, float step) { return std::round(value / step) * step; }

point roundedPoint(point where) { return point{std::round(where.x), std::round(where.y)}; }

point toward(point from, float angle, float distance) {
    return point{from.x + distance * std::cos(angle), from.y + distance * std::sin(angle)};
}

// A density from `least` up to what keeps the surface pull (about
// surfacePullOf's) at `strongestPull`, in hundredths as the file writes it.
// Above 0.1 the pull reaches past the body, so `least` stays above that.
float densityFor(SeededRandom& random, float radius, float least, float strongestPull) {
    int lowest = static_cast<int>(std::lround(least * 100));
    int highest = static_cast<int>(std::floor(strongestPull / surfacePullOf(radius, 0.01f)));
    return static_cast<float>(random.whole(lowest, std::max(lowest, highest))) / 100;
}

template <size_t count>
std::vector<std::string> shuffled(SeededRandom& random, const char* const (&list)[count]) {
    std::vector<std::string> looks(std::begin(list), std::end(list));
    for (size_t i = looks.size() - 1; i > 0; --i) {
        std::swap(looks[i], looks[static_cast<size_t>(random.whole(0, static_cast<int>(i)))]);
    }
    return looks;
}

// One star with its planets, laid out round the origin; the world moves it.
struct System {
    GeneratedStar star;
    std::vector<GeneratedPlanet> planets;
    // From the star's centre to the outer edge of its outermost reach.
    float extent = 0;
};

GeneratedPlanet makePlanet(SeededRandom& random, float innerEdge, float& outerEdge) {
    GeneratedPlanet planet;
    planet.radius = static_cast<float>(random.whole(110, 400));
    planet.density = densityFor(random, planet.radius, 0.15f, strongestPlanetPull);
    float reach = reachOf(planet.radius, planet.density);
    planet.orbitRadius = std::round(innerEdge + random.between(600, 1800) + reach);
    outerEdge = planet.orbitRadius + reach;
    float speed = 0.003f * std::pow(2000 / planet.orbitRadius, 1.2f) * random.between(0.8f, 1.2f);
    planet.orbitSpeed = std::max(0.0001f, rounded(speed, 0.00001f)) * (random.chance(0.15) ? -1 : 1);
    planet.orbitAngle = static_cast<float>(random.whole(0, 359));
    float spin = rounded(random.between(0.005f, 0.04f), 0.001f);
    planet.spinRate = spin * (random.chance(0.3) ? -1 : 1);
    planet.spinAngle = static_cast<float>(random.whole(0, 359));
    return planet;
}

System makeSystem(SeededRandom& random, NameMaker& names, int planets) {
    System system;
    system.star.radius = static_cast<float>(random.whole(400, 800));
    system.star.density = densityFor(random, system.star.radius, 0.12f, strongestStarPull);
    system.star.name = names.body();
    system.extent = reachOf(system.star.radius, system.star.density);
    for (int i = 0; i < planets; ++i) {
        system.planets.push_back(makePlanet(random, system.extent, system.extent));
        system.planets.back().name = names.body();
    }
    return system;
}

// The distances from the star where the ship may come in: the gaps between
// the reaches of its bodies, each by the side of a planet, and just outside.
struct Gap {
    float least;
    float most;
    size_t planet;  // the planet at its side
    bool nearEnd;   // whether that planet is at its far end
};

std::vector<Gap> arrivalGaps(const System& system) {
    const float keepOut = arrivalClearance + 100;
    std::vector<Gap> gaps;
    float edge = reachOf(system.star.radius, system.star.density);
    for (size_t i = 0; i < system.planets.size(); ++i) {
        const GeneratedPlanet& planet = system.planets[i];
        float reach = reachOf(planet.radius, planet.density);
        float least = edge + keepOut;
        float most = planet.orbitRadius - reach - keepOut;
        gaps.push_back(Gap{least, most, i, true});
        if (i > 0) gaps.push_back(Gap{least, most, i - 1, false});
        edge = planet.orbitRadius + reach;
    }
    gaps.push_back(Gap{edge + keepOut, edge + keepOut + 800, system.planets.size() - 1, false});
    gaps.erase(std::remove_if(gaps.begin(), gaps.end(), [](const Gap& gap) { return gap.most < gap.least; }),
               gaps.end());
    return gaps;
}

// Picks how far from the first star, and where on its gap, the ship comes
// in, and turns the planet beside it to the same side, in sight.
float arrivalDistance(SeededRandom& random, System& system, float angle) {
    std::vector<Gap> gaps = arrivalGaps(system);
    const Gap& gap = gaps[static_cast<size_t>(random.whole(0, static_cast<int>(gaps.size()) - 1))];
    float slack = std::min(400.0f, gap.most - gap.least);
    float distance = gap.nearEnd ? gap.most - random.between(0, slack) : gap.least + random.between(0, slack);
    GeneratedPlanet& beside = system.planets[gap.planet];
    float along = random.between(600, 1500) / beside.orbitRadius;
    along *= random.chance(0.5) ? -1 : 1;
    float degrees = std::round((angle + along) / gameRadiansPerDegree);
    beside.orbitAngle = std::fmod(degrees + 3600, 360.0f);
    return distance;
}

void addSystem(GeneratedWorld& world, const System& system, point position, const std::string& look) {
    world.stars.push_back(system.star);
    world.stars.back().position = position;
    world.stars.back().look = look;
    for (GeneratedPlanet planet : system.planets) {
        planet.star = static_cast<int>(world.stars.size()) - 1;
        world.planets.push_back(planet);
    }
}

bool fitsBeside(const GeneratedWorld& world, const std::vector<float>& extents, point where, float extent) {
    if (std::hypot(where.x, where.y) + extent > compactReach - 500) return false;
    if (pointDistance(where, world.arrival) < extent + arrivalClearance + 200) return false;
    for (size_t s = 0; s < world.stars.size(); ++s) {
        if (pointDistance(where, world.stars[s].position) < extents[s] + extent + 1500) return false;
    }
    return true;
}

// A star that finds no room near the first is left out.
void placeSystem(SeededRandom& random, GeneratedWorld& world, std::vector<float>& extents, const System& system,
                 const std::string& look) {
    for (int attempt = 0; attempt < 60; ++attempt) {
        float distance = extents[0] + system.extent + random.between(1500, 5000);
        point where = roundedPoint(toward(world.stars[0].position, random.between(0, 2 * pi), distance));
        if (fitsBeside(world, extents, where, system.extent)) {
            addSystem(world, system, where, look);
            extents.push_back(system.extent);
            return;
        }
    }
}

bool wayOnFits(const GeneratedWorld& world, point where) {
    float capture = world.wayOn.captureRadius;
    return std::hypot(where.x, where.y) + capture + 200 <= compactReach &&
           bodyNear(world, where, capture + bodyMargin + 100).empty();
}

// 8000 to 15000 units from the arrival point, clear of every body; failing
// that, the first clear point of rings farther out.
void placeWayOn(SeededRandom& random, GeneratedWorld& world) {
    world.wayOn.captureRadius = 300;
    world.wayOn.destination = world.number + 1;
    for (int attempt = 0; attempt < 80; ++attempt) {
        float distance = random.between(8000, 15000);
        float angle = random.between(0, 2 * pi);
        point where = roundedPoint(toward(world.arrival, angle, distance));
        world.wayOn.position = where;
        if (wayOnFits(world, where)) return;
    }
    for (float distance = 8000; distance <= 2 * compactReach; distance += 500) {
        for (int step = 0; step < 36; ++step) {
            point where = roundedPoint(toward(world.arrival, static_cast<float>(step) * pi / 18, distance));
            if (!wayOnFits(world, where)) continue;
            world.wayOn.position = where;
            return;
        }
    }
}

// Stars first (1 to 3; the first holds the most planets), then where the
// ship comes in beside a planet of the first, then the others round it,
// then the way on.
GeneratedWorld layoutWorld(uint64_t seed, int number) {
    SeededRandom random(seed, layoutStream + 16 * static_cast<uint64_t>(number));
    NameMaker names(random);
    GeneratedWorld world;
    world.number = number;
    world.script.world = number;
    world.script.name = names.world();
    int stars = random.whole(1, 3);
    std::vector<std::string> looks = shuffled(random, starLooks);
    System first = makeSystem(random, names, stars == 1 ? random.whole(3, 5) : random.whole(2, 4 - (stars - 2)));
    float angle = number == 0 ? -pi / 2 : random.between(0, 2 * pi);
    float distance = arrivalDistance(random, first, angle);
    point firstStar = number == 0 ? toward(firstArrival, angle + pi, distance) : point{0, 0};
    addSystem(world, first, roundedPoint(firstStar), looks[0]);
    world.arrival = number == 0 ? firstArrival : roundedPoint(toward(firstStar, angle, distance));
    std::vector<float> extents{first.extent};
    for (int s = 1; s < stars; ++s) {
        System other = makeSystem(random, names, random.whole(0, 2));
        placeSystem(random, world, extents, other, looks[static_cast<size_t>(s)]);
    }
    std::vector<std::string> surfaces = shuffled(random, planetLooks);
    for (size_t p = 0; p < world.planets.size(); ++p) world.planets[p].look = surfaces[p % surfaces.size()];
    placeWayOn(random, world);
    return world;
}

}  // namespace

GeneratedWorld generateWorld(uint64_t seed, int number) {
    GeneratedWorld world = layoutWorld(seed, number);
    world.wayOn.exit = layoutWorld(seed, number + 1).arrival;
    makeWaves(seed, number, world.script);
    return world;
}

int mostAlive(const WorldScript& script) {
    int most = 0;
    for (const Wave& wave : script.waves) {
        int alive = 0;
        for (const ShipsLine& ships : wave.ships) alive += std::min(ships.cap, ships.total);
        most = std::max(most, alive);
    }
    return most;
}

int busiestWorld(uint64_t seed, int count) {
    int busiest = 0;
    int most = -1;
    for (int number = 0; number < count; ++number) {
        int alive = mostAlive(generateWorld(seed, number).script);
        if (alive > most) {
            most = alive;
            busiest = number;
        }
    }
    return busiest;
}
