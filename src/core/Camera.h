#pragma once

#include "core/Constants.h"
#include "core/point.h"

// The world rectangle the camera shows.
struct ViewRect {
    float left;
    float right;
    float bottom;
    float top;
};

// How the game camera looks at the world plane: the height of the view in
// game units (the zoom), the near and far planes' scales (the depth effect)
// and the picture's shape.
struct Camera {
    float viewHeight = 4000;
    float nearScale = 1;
    float farScale = 1;
    float aspect = static_cast<float>(w) / h;

    ViewRect viewRect(point centre) const;
};

// The perspective camera centred on `centre` (the player's position), and
// the visible area (core/VisibleArea.h) it shows.
void setCamera(const Camera& camera, point centre);
