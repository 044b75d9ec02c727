#pragma once

#include "core/Box.h"
#include "core/point.h"

// The part of the world plane that the camera shows this frame, with a small
// margin. Drawing that lies wholly outside it is skipped; what it stands for
// is still stepped. Until a camera is set it is the whole plane.
struct VisibleArea {
    float left = -1e30f;
    float right = 1e30f;
    float bottom = -1e30f;
    float top = 1e30f;

    // Whether a circle, or a box, of the world plane touches the area.
    bool shows(point centre, float radius) const;
    bool shows(const Box& box) const;
};

// Set by the game camera; read by whatever draws world objects.
extern VisibleArea visibleArea;
