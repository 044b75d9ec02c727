#include "endless/WorldRules.h"

#include <algorithm>
#include <cmath>

#include "core/Constants.h"
#include "core/Geometry.h"
#include "world/Gravity.h"

namespace {

std::string at(point where) {
    return "(" + std::to_string(std::lround(where.x)) + ", " + std::to_string(std::lround(where.y)) + ")";
}

const GeneratedStar& starOf(const GeneratedWorld& world, const GeneratedPlanet& planet) {
    return world.stars[static_cast<size_t>(planet.star)];
}

std::string tooStrong(const std::string& name, float radius, float density, float strongest) {
    float pull = surfacePullOf(radius, density);
    if (pull <= strongest) return "";
    return name + " pulls " + std::to_string(pull) + " at its surface, more than the ship can climb from";
}

void checkPulls(const GeneratedWorld& world, std::vector<std::string>& problems) {
    std::vector<std::string> found;
    for (const GeneratedStar& star : world.stars) {
        found.push_back(tooStrong(star.name, star.radius, star.density, strongestStarPull));
    }
    for (const GeneratedPlanet& planet : world.planets) {
        found.push_back(tooStrong(planet.name, planet.radius, planet.density, strongestPlanetPull));
    }
    for (const std::string& problem : found) {
        if (!problem.empty()) problems.push_back(problem);
    }
}

void checkPlanetsApart(const GeneratedWorld& world, std::vector<std::string>& problems) {
    for (size_t i = 0; i < world.planets.size(); ++i) {
        const GeneratedPlanet& planet = world.planets[i];
        const GeneratedStar& star = starOf(world, planet);
        if (planet.orbitRadius - planet.radius <= star.radius + bodyMargin) {
            problems.push_back(planet.name + " orbits inside its star " + star.name);
        }
        for (size_t j = i + 1; j < world.planets.size(); ++j) {
            const GeneratedPlanet& other = world.planets[j];
            if (other.star == planet.star &&
                std::fabs(other.orbitRadius - planet.orbitRadius) <= planet.radius + other.radius + bodyMargin) {
                problems.push_back("the orbits of " + planet.name + " and " + other.name + " cross");
            }
        }
    }
}

void checkSystemsApart(const GeneratedWorld& world, std::vector<std::string>& problems) {
    for (size_t a = 0; a < world.stars.size(); ++a) {
        for (size_t b = a + 1; b < world.stars.size(); ++b) {
            float apart = pointDistance(world.stars[a].position, world.stars[b].position);
            if (apart <= systemRadius(world, a) + systemRadius(world, b) + bodyMargin) {
                problems.push_back("the systems of " + world.stars[a].name + " and " + world.stars[b].name +
                                   " overlap");
            }
        }
    }
}

bool compact(point where, float radius) {
    float fromCentre = std::hypot(where.x, where.y) + radius;
    return fromCentre <= compactReach && std::fabs(where.x) + radius <= XBOUND &&
           std::fabs(where.y) + radius <= YBOUND;
}

void checkWithinTheWorld(const GeneratedWorld& world, std::vector<std::string>& problems) {
    const std::string beyond = " from the centre, beyond " + std::to_string(static_cast<int>(compactReach));
    for (size_t s = 0; s < world.stars.size(); ++s) {
        if (!compact(world.stars[s].position, systemRadius(world, s))) {
            problems.push_back("the system of " + world.stars[s].name + " reaches farther than " +
                               std::to_string(static_cast<int>(compactReach)) + " from the centre");
        }
    }
    if (!compact(world.wayOn.position, world.wayOn.captureRadius)) {
        problems.push_back("the wormhole at " + at(world.wayOn.position) + " lies" + beyond);
    }
    if (!compact(world.arrival, 0)) problems.push_back("the arrival point " + at(world.arrival) + " lies" + beyond);
}

void checkLanding(const GeneratedWorld& world, std::vector<std::string>& problems) {
    for (const GeneratedPlanet& planet : world.planets) {
        if (pointDistance(startOf(world, planet), world.arrival) <= landingReach) return;
    }
    problems.push_back("no planet lies within " + std::to_string(static_cast<int>(landingReach)) +
                       " of the arrival point " + at(world.arrival));
}

void checkWayOn(const GeneratedWorld& world, std::vector<std::string>& problems) {
    const GeneratedWormhole& wayOn = world.wayOn;
    std::string body = bodyNear(world, wayOn.position, wayOn.captureRadius + bodyMargin);
    if (!body.empty()) problems.push_back("the wormhole at " + at(wayOn.position) + " touches " + body);
    if (pointDistance(wayOn.position, world.arrival) < wayOnLeast) {
        problems.push_back("the wormhole at " + at(wayOn.position) + " lies nearer than " +
                           std::to_string(static_cast<int>(wayOnLeast)) + " to the arrival point");
    }
    if (wayOn.destination != world.number + 1) {
        problems.push_back("the wormhole leads to world " + std::to_string(wayOn.destination) + ", not the next");
    }
    if (!(wayOn.captureRadius > 0)) problems.push_back("the wormhole has no capture radius");
}

// Names go into files as one @item each; the script needs its fights.
void checkNamesAndWaves(const GeneratedWorld& world, std::vector<std::string>& problems) {
    std::vector<std::string> names;
    for (const GeneratedStar& star : world.stars) names.push_back(star.name);
    for (const GeneratedPlanet& planet : world.planets) names.push_back(planet.name);
    for (const std::string& name : names) {
        if (name.empty() || name.find_first_of(" \t#@") != std::string::npos) {
            problems.push_back("\"" + name + "\" cannot be a body's name");
        }
    }
    if (world.script.name.empty()) problems.push_back("the world has no name");
    if (world.script.waves.empty()) problems.push_back("the world has no wave");
    for (const Wave& wave : world.script.waves) {
        if (wave.ships.empty()) problems.push_back("a wave sends no ships");
    }
}

}  // namespace

// A ball's pull at its surface: 4/3 x pi x radius^3 x density over radius^2.
float surfacePullOf(float radius, float density) { return 4.19f * GRAVITYMULTIPLIER * density * radius; }

point startOf(const GeneratedWorld& world, const GeneratedPlanet& planet) {
    // The game turns degrees into radians with 3.14 for pi.
    float angle = planet.orbitAngle * 3.14f / 180;
    point star = starOf(world, planet).position;
    return point{star.x + planet.orbitRadius * std::cos(angle), star.y + planet.orbitRadius * std::sin(angle)};
}

float reachOf(float radius, float density) { return std::max(radius, gravityReach(radius, density)); }

float systemRadius(const GeneratedWorld& world, size_t star) {
    float radius = world.stars[star].radius;
    for (const GeneratedPlanet& planet : world.planets) {
        if (static_cast<size_t>(planet.star) == star) radius = std::max(radius, planet.orbitRadius + planet.radius);
    }
    return radius;
}

std::string bodyNear(const GeneratedWorld& world, point where, float clearance) {
    for (const GeneratedStar& star : world.stars) {
        if (pointDistance(where, star.position) <= reachOf(star.radius, star.density) + clearance) return star.name;
    }
    for (const GeneratedPlanet& planet : world.planets) {
        float fromStar = pointDistance(where, starOf(world, planet).position);
        if (std::fabs(fromStar - planet.orbitRadius) <= reachOf(planet.radius, planet.density) + clearance) {
            return planet.name;
        }
    }
    return "";
}

std::vector<std::string> worldProblems(const GeneratedWorld& world) {
    std::vector<std::string> problems;
    if (world.stars.empty()) problems.push_back("the world has no star");
    for (const GeneratedPlanet& planet : world.planets) {
        if (planet.star < 0 || static_cast<size_t>(planet.star) >= world.stars.size()) {
            problems.push_back(planet.name + " has no star");
            return problems;
        }
    }
    checkPulls(world, problems);
    checkPlanetsApart(world, problems);
    checkSystemsApart(world, problems);
    checkWithinTheWorld(world, problems);
    checkWayOn(world, problems);
    checkLanding(world, problems);
    checkNamesAndWaves(world, problems);
    std::string body = bodyNear(world, world.arrival, arrivalClearance);
    if (!body.empty()) problems.push_back("the arrival point " + at(world.arrival) + " lies within reach of " + body);
    return problems;
}
