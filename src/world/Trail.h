#pragma once

#include <vector>

#include "core/Box.h"
#include "core/point.h"

class TrailBatch;

// The fading ribbon behind a ship: a ring of sampled positions drawn as one
// quad strip through the trail program.
class Trail {
public:
    Trail(int sampleCount, point start, int sampleInterval, float width, float red, float green,
          float blue);

    void update(point position, int frameTime);
    void clear(point position);
    // Draws the ribbon up to `current`, unless it lies wholly out of view.
    void draw(point current);
    // The same, put into `batch` to be drawn with others; its colour is made
    // current at once, as drawing it alone leaves it.
    void draw(point current, TrailBatch& batch);
    // Where the ribbon up to `current` can reach.
    Box bounds(point current) const;

    int sampleInterval;
    int sampleClock;
    int sampleCount;
    int head;
    float width;
    float red;
    float green;
    float blue;
    std::vector<point> ring;
};
