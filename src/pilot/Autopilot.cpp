#include "pilot/Autopilot.h"

#include <algorithm>
#include <cmath>

#include "combat/Player.h"
#include "core/Geometry.h"
#include "pilot/Destinations.h"
#include "world/Gravity.h"
#include "world/WorldState.h"

namespace {
const float pi = 3.14159265f;
// Room kept past a star's pull and a planet's pull or surface.
const float starRoom = 250;
const float planetRoom = 200;
// A path passes a body this much wider than its keep-out circle, so that
// it runs clear of it rather than along it.
const float passWider = 1.08f;
// The share of the brake the autopilot plans its stops with: the rest is
// for the pulls on the way and the turn.
const float plannedBrake = 0.6f;
// Facing within this angle of what is missing, the main engine burns.
const float burnCone = 0.3f;
// Less missing than this is left to the flight computer.
const float burnAbove = 0.08f;

float length(point v) { return std::sqrt(v.x * v.x + v.y * v.y); }

point minus(point a, point b) { return point{a.x - b.x, a.y - b.y}; }

point along(float angle) { return point{std::cos(angle), std::sin(angle)}; }

// The turn from `heading` to `wanted`, from -pi to pi.
float turnBetween(float heading, float wanted) {
    float turn = std::fmod(wanted - heading, 2 * pi);
    if (turn > pi) turn -= 2 * pi;
    if (turn < -pi) turn += 2 * pi;
    return turn;
}

// The first obstacle along the segment, by how far along it its nearest
// point lies; nullptr when the way is clear.
const Obstacle* firstInWay(point from, point to, const std::vector<Obstacle>& bodies) {
    point path = minus(to, from);
    float span = std::max(length(path), 1.0f);
    point direction{path.x / span, path.y / span};
    const Obstacle* first = nullptr;
    float firstAlong = 0;
    for (const Obstacle& body : bodies) {
        if (pointDistance(body.centre, to) < body.keepOut) continue;
        float at = std::clamp(dot(minus(body.centre, from), direction), 0.0f, span);
        point nearest{from.x + direction.x * at, from.y + direction.y * at};
        if (pointDistance(nearest, body.centre) >= body.keepOut) continue;
        if (!first || at < firstAlong) {
            first = &body;
            firstAlong = at;
        }
    }
    return first;
}

void turnTowards(ShipCommand& command, const Player& ship, point direction, int dt) {
    float turn = turnBetween(ship.angle, std::atan2(direction.y, direction.x));
    float step = std::max(ship.turnRate * static_cast<float>(dt), 1e-6f);
    float amount = std::min(1.0f, std::fabs(turn) / step);
    if (turn > 0) command.turnLeft = amount;
    if (turn < 0) command.turnRight = amount;
}
}  // namespace

std::vector<Obstacle> obstacles(const WorldState& world, const Destination& to, float shipRadius) {
    std::vector<Obstacle> bodies;
    for (const Star& star : world.stars) {
        float pull = gravityReach(star.getRadius(), star.density);
        bodies.push_back(Obstacle{star.position, std::max(pull, star.getRadius()) + shipRadius + starRoom});
        for (const Planet& planet : star.planets) {
            bool landingHere = to.kind == DestinationKind::planet && pointDistance(planet.position, to.position) < 1;
            if (landingHere) continue;
            float reach = std::max(gravityReach(planet.getRadius(), planet.density), planet.getRadius());
            bodies.push_back(Obstacle{planet.position, reach + shipRadius + planetRoom});
        }
    }
    return bodies;
}

point wayRound(point from, point to, const std::vector<Obstacle>& bodies) {
    for (const Obstacle& body : bodies) {
        float off = pointDistance(from, body.centre);
        if (off >= body.keepOut || pointDistance(to, body.centre) < body.keepOut) continue;
        // Inside: out along the radius, and round towards the destination.
        point out = off > 0 ? point{(from.x - body.centre.x) / off, (from.y - body.centre.y) / off} : point{1, 0};
        point side{-out.y, out.x};
        if (dot(side, minus(to, from)) < 0) side = point{out.y, -out.x};
        return normalize(point{out.x + side.x, out.y + side.y});
    }
    point path = minus(to, from);
    if (length(path) < 1) return point{0, 0};
    const Obstacle* body = firstInWay(from, to, bodies);
    if (!body) return normalize(path);
    point toBody = minus(body->centre, from);
    float off = length(toBody);
    float spread = std::asin(std::min(1.0f, body->keepOut * passWider / off));
    float bearing = std::atan2(toBody.y, toBody.x);
    // Past the side of the body the destination lies on.
    bool bodyOnLeft = path.x * toBody.y - path.y * toBody.x > 0;
    return along(bodyOnLeft ? bearing - spread : bearing + spread);
}

ShipCommand autopilotCommand(const Player& ship, const WorldState& world, const Destination& to,
                             const FlightTuning& tuning, int dt) {
    ShipCommand command;
    if (ship.isLanded()) {
        command.thrust = 1;
        return command;
    }
    float distance = std::max(0.0f, pointDistance(to.position, ship.position) - to.reach);
    float speed = std::min(tuning.cruise, std::sqrt(to.arrivalSpeed * to.arrivalSpeed +
                                                    2 * tuning.brake * plannedBrake * distance));
    point way = wayRound(ship.position, to.position, obstacles(world, to, ship.getRadius()));
    point wanted{to.velocity.x + way.x * speed, to.velocity.y + way.y * speed};
    point missing = minus(wanted, ship.velocity);
    float lacking = length(missing);
    turnTowards(command, ship, lacking > burnAbove ? missing : way, dt);
    point facing = along(ship.angle);
    float push = dot(missing, facing);
    bool burn = lacking > burnAbove && push > 0 && std::acos(std::clamp(push / lacking, -1.0f, 1.0f)) < burnCone;
    if (burn) {
        command.thrust = std::min(1.0f, push / std::max(ship.forwardAccel * static_cast<float>(dt), 1e-6f));
    } else {
        command.ease = tuning.brake;
        command.easeTo = wanted;
    }
    return command;
}
