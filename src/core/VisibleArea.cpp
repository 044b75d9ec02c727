#include "core/VisibleArea.h"

VisibleArea visibleArea;

bool VisibleArea::shows(point centre, float radius) const {
    return shows(Box{centre.x - radius, centre.x + radius, centre.y - radius, centre.y + radius});
}

bool VisibleArea::shows(const Box& box) const { return Box{left, right, bottom, top}.touches(box); }
