#pragma once

#include <GL/glew.h>

#include <vector>

#include "core/point.h"

class Trail;

// Trail ribbons waiting to be drawn, each its own quad strip, all of them in
// one call through the trail program and in the order they were added: a
// crowd of trails then costs a draw call rather than one each.
class TrailBatch {
public:
    // The ribbon of `trail` up to `current`.
    void add(const Trail& trail, point current);
    // Draws what is waiting, leaving the current colour as it found it.
    void flush();

    // Position xyzw then colour rgba of each strip vertex.
    std::vector<float> vertices;
    // Where each strip starts among the vertices, and how many it has.
    std::vector<GLint> firsts;
    std::vector<GLsizei> counts;

    // The shader program that draws the ribbons.
    static const size_t program = 2;
};
