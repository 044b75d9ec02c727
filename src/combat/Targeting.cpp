#include "combat/Targeting.h"

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
    Ship* nearest = nullptr;
    float nearestDistance = 0;
    for (Ship& ship : ships) {
        if (!intersectCircleLine(from, to, ship.position, collisionRadius)) {
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
