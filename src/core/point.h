#pragma once

// The one value type for 2-D quantities: positions, velocities, directions.
struct point {
    float x;
    float y;
};
