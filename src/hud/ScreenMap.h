#pragma once

#include "core/point.h"

// Where the game camera puts the world plane on the 1280 x 1024 layout:
// the camera's centre in the middle, the same scale both ways.
class ScreenMap {
public:
    // The camera as the frame loop sets it: its centre, the view's height in
    // game units and the near plane's scale.
    ScreenMap(point centre, float viewHeight, float nearScale);

    point toLayout(point world) const;
    float toPixels(float units) const { return units * pixelsPerUnit; }
    // Whether a circle of the world plane touches the picture.
    bool shows(point world, float radius) const;

    point centre;
    float pixelsPerUnit;
};
