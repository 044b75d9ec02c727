#include "core/VisibleArea.h"

VisibleArea visibleArea;

bool VisibleArea::shows(point centre, float radius) const {
    return shows(centre.x - radius, centre.x + radius, centre.y - radius, centre.y + radius);
}

bool VisibleArea::shows(float boxLeft, float boxRight, float boxBottom, float boxTop) const {
    return boxRight >= left && boxLeft <= right && boxTop >= bottom && boxBottom <= top;
}
