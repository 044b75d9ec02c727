#include "core/VisibleArea.h"

#include <cmath>

VisibleArea visibleArea;

bool VisibleArea::shows(point centre, float radius) const {
    return shows(Box{centre.x - radius, centre.x + radius, centre.y - radius, centre.y + radius});
}

float VisibleArea::squareReach(float half) { return std::fabs(half) * 1.415f; }
