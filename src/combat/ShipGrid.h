#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "combat/Ship.h"
#include "core/point.h"

// The ships of a world sorted into square cells, so that the short path a
// shot flies in one frame is tested only against the ships near it. Valid
// while the ships neither move nor leave the list: the projectile pass.
class ShipGrid {
public:
    explicit ShipGrid(std::list<Ship>& ships);

    // The same ship that nearestShipOnSegment(from, to, ships) finds.
    Ship* nearestOnSegment(point from, point to) const;

    struct Entry {
        std::int64_t cell;
        int order;  // place in the list: the first listed wins a tie
        Ship* ship;
    };

    std::list<Ship>& ships;
    std::vector<Entry> entries;  // by cell, then by order
    // The largest hit radius among them: how far from its cell a ship reaches.
    float reach = 0;
};
