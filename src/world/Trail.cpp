#include "world/Trail.h"

#include <GL/glew.h>

#include <algorithm>

#include "assets/Shaders.h"
#include "core/VisibleArea.h"
#include "world/TrailBatch.h"

Trail::Trail(int n, point start, int interval, float wd, float r, float g, float b)
    : sampleInterval(interval),
      sampleClock(0),
      sampleCount(n),
      head(0),
      width(wd),
      red(r),
      green(g),
      blue(b),
      ring(n + 1, start) {}

void Trail::update(point position, int frameTime) {
    sampleClock += frameTime;
    // An interval below 1 ms would never drain the clock.
    while (sampleInterval > 0 && sampleClock >= sampleInterval) {
        head = (head + 1) % (sampleCount + 1);
        ring[head] = position;
        sampleClock -= sampleInterval;
    }
}

void Trail::clear(point position) { ring.assign(ring.size(), position); }

// The ribbon lies round its samples, at most `width` out to each side; twice
// that leaves room for a trail shader that spreads it a little wider.
Box Trail::bounds(point current) const {
    Box box{current.x, current.x, current.y, current.y};
    for (const point& p : ring) {
        box.left = std::min(box.left, p.x);
        box.right = std::max(box.right, p.x);
        box.bottom = std::min(box.bottom, p.y);
        box.top = std::max(box.top, p.y);
    }
    float spread = 2 * std::abs(width);
    return Box{box.left - spread, box.right + spread, box.bottom - spread, box.top + spread};
}

void Trail::draw(point current) {
    // Kept between draws, so that drawing allocates nothing once it has grown.
    static TrailBatch alone;
    draw(current, alone);
    alone.flush();
}

void Trail::draw(point current, TrailBatch& batch) {
    if (!programReady(TrailBatch::program)) {
        return;
    }
    if (visibleArea.shows(bounds(current))) {
        batch.add(*this, current);
    }
    // Drawing the strip leaves its last colour current, seen or not.
    glColor4f(red, green, blue, width);
}
