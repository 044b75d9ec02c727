#include "combat/ShipGrid.h"

#include <algorithm>
#include <cmath>

#include "combat/Targeting.h"
#include "core/Geometry.h"

namespace {

const float cellSize = 1000;
// A path crossing more cells than this is quicker to test against every ship.
const std::int64_t mostCellsVisited = 64;
// Cell columns and rows are kept within this, far beyond the world's edge.
const std::int64_t cellLimit = 1 << 20;

std::int64_t cellIndex(float coordinate) {
    double index = std::floor(coordinate / cellSize);
    return static_cast<std::int64_t>(std::clamp(index, -double(cellLimit), double(cellLimit)));
}

std::int64_t cellKey(std::int64_t column, std::int64_t row) { return column * (4 * cellLimit) + row; }

const auto before = [](const ShipGrid::Entry& a, const ShipGrid::Entry& b) {
    return a.cell < b.cell || (a.cell == b.cell && a.order < b.order);
};

}  // namespace

ShipGrid::ShipGrid(std::list<Ship>& shipList) : ships(shipList) {
    entries.reserve(ships.size());
    int order = 0;
    for (Ship& ship : ships) {
        point p = ship.position;
        // A ship at no finite place can never be hit.
        if (std::isfinite(p.x) && std::isfinite(p.y)) {
            entries.push_back(Entry{cellKey(cellIndex(p.x), cellIndex(p.y)), order, &ship});
            reach = std::max(reach, ship.radius);
        }
        ++order;
    }
    std::sort(entries.begin(), entries.end(), before);
}

// The cells under the path's box grown by the largest hit radius hold every
// ship the full test could find; each is then given exactly that test.
Ship* ShipGrid::nearestOnSegment(point from, point to) const {
    // A path with no finite end has no cells: NaN must not reach cellIndex.
    if (!(std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) && std::isfinite(to.y))) {
        return nearestShipOnSegment(from, to, ships);
    }
    std::int64_t left = cellIndex(std::min(from.x, to.x) - reach);
    std::int64_t right = cellIndex(std::max(from.x, to.x) + reach);
    std::int64_t bottom = cellIndex(std::min(from.y, to.y) - reach);
    std::int64_t top = cellIndex(std::max(from.y, to.y) + reach);
    if ((right - left + 1) * (top - bottom + 1) > mostCellsVisited) {
        return nearestShipOnSegment(from, to, ships);
    }
    const Entry* nearest = nullptr;
    float nearestDistance = 0;
    for (std::int64_t column = left; column <= right; ++column) {
        for (std::int64_t row = bottom; row <= top; ++row) {
            Entry first{cellKey(column, row), -1, nullptr};
            for (auto it = std::lower_bound(entries.begin(), entries.end(), first, before);
                 it != entries.end() && it->cell == first.cell; ++it) {
                if (!segmentHits(from, to, it->ship->position, it->ship->radius)) {
                    continue;
                }
                float distance = pointDistance(from, it->ship->position);
                if (nearest == nullptr || distance < nearestDistance ||
                    (distance == nearestDistance && it->order < nearest->order)) {
                    nearest = &*it;
                    nearestDistance = distance;
                }
            }
        }
    }
    return nearest ? nearest->ship : nullptr;
}
