#pragma once

#include "core/Box.h"
#include "core/point.h"

// A square of the world plane drawn into a square of the layout: a map.
class ChartView {
public:
    ChartView(const Box& extent, const Box& frame);

    point toFrame(point world) const;
    float toPixels(float units) const { return units * scale; }
    bool inFrame(point layout) const;

    Box extent;
    Box frame;
    float scale;
};
