#include "combat/Targeting.h"

#include <algorithm>
#include <cstddef>

#include "assets/Tables.h"
#include "core/Geometry.h"

float weaponStat(int weapon, int column) {
    if (weapon < 0 || static_cast<std::size_t>(weapon) >= WEAPONDATA.size()) {
        return 0;
    }
    const std::vector<float>& row = WEAPONDATA[weapon];
    if (column < 0 || static_cast<std::size_t>(column) >= row.size()) {
        return 0;
    }
    return row[column];
}

// Ships outside the segment's box grown by the hit radius cannot be hit: a
// cheap test that spares the full one for most of a crowded world.
bool segmentHits(point from, point to, point centre, float radius) {
    if (centre.x < std::min(from.x, to.x) - radius || centre.x > std::max(from.x, to.x) + radius ||
        centre.y < std::min(from.y, to.y) - radius || centre.y > std::max(from.y, to.y) + radius) {
        return false;
    }
    return intersectCircleLine(from, to, centre, radius);
}

Ship* nearestShipOnSegment(point from, point to, std::list<Ship>& ships) {
    Ship* nearest = nullptr;
    float nearestDistance = 0;
    for (Ship& ship : ships) {
        if (!segmentHits(from, to, ship.position, ship.radius)) {
            continue;
        }
        float distance = pointDistance(from, ship.position);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &ship;
            nearestDistance = distance;
        }
    }
    return nearest;
}

const Ship* mostValuableShip(const std::list<Ship>& ships, const std::vector<long long>& points, point from) {
    const Ship* best = nullptr;
    long long bestPoints = 0;
    float bestDistance = 0;
    for (const Ship& ship : ships) {
        bool known = ship.type >= 0 && static_cast<std::size_t>(ship.type) < points.size();
        long long worth = known ? points[static_cast<std::size_t>(ship.type)] : 0;
        float distance = pointDistance(ship.position, from);
        if (!best || worth > bestPoints || (worth == bestPoints && distance < bestDistance)) {
            best = &ship;
            bestPoints = worth;
            bestDistance = distance;
        }
    }
    return best;
}
