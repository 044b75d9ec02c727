#pragma once

#include <list>
#include <vector>

#include "combat/Ship.h"
#include "core/point.h"

// A cell of the weapon table, or 0 when the table lacks that row or column,
// so a short table disarms a weapon instead of reading past its end.
float weaponStat(int weapon, int column);

// Whether the segment from-to crosses a ship's hit circle.
bool segmentHits(point from, point to, point centre, float radius);

// The ship whose hit circle the segment from-to crosses with its centre
// nearest to `from`; the first one listed wins a tie. nullptr when none.
Ship* nearestShipOnSegment(point from, point to, std::list<Ship>& ships);

// The ship worth the most `points` (by its type; a type past the end is worth
// 0), the nearest to `from` of equals; nullptr when there is none.
const Ship* mostValuableShip(const std::list<Ship>& ships, const std::vector<long long>& points, point from);
