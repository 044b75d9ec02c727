#include "hud/ChartView.h"

ChartView::ChartView(const Box& extent, const Box& frame)
    : extent(extent), frame(frame), scale((frame.right - frame.left) / (extent.right - extent.left)) {}

point ChartView::toFrame(point world) const {
    return point{frame.left + (world.x - extent.left) * scale, frame.bottom + (world.y - extent.bottom) * scale};
}

bool ChartView::inFrame(point layout) const {
    return layout.x >= frame.left && layout.x <= frame.right && layout.y >= frame.bottom && layout.y <= frame.top;
}
