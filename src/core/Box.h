#pragma once

// An upright rectangle of the world plane.
struct Box {
    float left;
    float right;
    float bottom;
    float top;

    bool touches(const Box& other) const {
        return right >= other.left && left <= other.right && top >= other.bottom && bottom <= other.top;
    }
};
