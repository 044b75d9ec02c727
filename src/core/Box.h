#pragma once

#include <algorithm>

// An upright rectangle of the world plane.
struct Box {
    float left;
    float right;
    float bottom;
    float top;

    bool touches(const Box& other) const {
        return right >= other.left && left <= other.right && top >= other.bottom && bottom <= other.top;
    }
    bool holds(const Box& other) const {
        return other.left >= left && other.right <= right && other.bottom >= bottom && other.top <= top;
    }
    // Grown by `margin` on every side.
    Box grown(float margin) const { return Box{left - margin, right + margin, bottom - margin, top + margin}; }
    // The smallest box round both.
    Box joined(const Box& other) const {
        return Box{std::min(left, other.left), std::max(right, other.right), std::min(bottom, other.bottom),
                   std::max(top, other.top)};
    }
    Box moved(float dx, float dy) const { return Box{left + dx, right + dx, bottom + dy, top + dy}; }
};
