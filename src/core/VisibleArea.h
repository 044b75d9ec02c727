#pragma once

#include "core/Box.h"
#include "core/point.h"

// The part of the world plane that the camera shows this frame, with a small
// margin. Drawing that lies wholly outside it is skipped; what it stands for
// is still stepped. Until a camera is set it is the whole plane.
struct VisibleArea {
    Box box{-1e30f, 1e30f, -1e30f, 1e30f};

    // Whether a circle, or a box, of the world plane touches the area.
    bool shows(point centre, float radius) const;
    bool shows(const Box& other) const { return box.touches(other); }
    // Whether a square sprite of half-size `half`, turned any way, may.
    bool showsSquare(point centre, float half) const { return shows(centre, squareReach(half)); }

    // How far such a square reaches from its centre: to its corners.
    static float squareReach(float half);
};

// Set by the game camera; read by whatever draws world objects.
extern VisibleArea visibleArea;
