#include "combat/Targeting.h"

#include <algorithm>
#include <cstddef>

#include "assets/Tables.h"
#include "core/Constants.h"
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

Ship* nearestShipOnSegment(point from, point to, std::list<Ship>& ships) {
    // Ships outside the segment's box grown by the hit radius cannot be hit:
    // a cheap test that spares the full one for most of a crowded world.
    float left = std::min(from.x, to.x) - collisionRadius;
    float right = std::max(from.x, to.x) + collisionRadius;
    float bottom = std::min(from.y, to.y) - collisionRadius;
    float top = std::max(from.y, to.y) + collisionRadius;
    Ship* nearest = nullptr;
    float nearestDistance = 0;
    for (Ship& ship : ships) {
        point p = ship.position;
        if (p.x < left || p.x > right || p.y < bottom || p.y > top) {
            continue;
        }
        if (!intersectCircleLine(from, to, p, collisionRadius)) {
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
