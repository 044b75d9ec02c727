#include "world/Trail.h"

#include <GL/glew.h>

#include <algorithm>

#include "assets/Shaders.h"
#include "core/VisibleArea.h"

namespace {

const size_t trailProgram = 2;
// Position xyzw then colour rgba of each strip vertex.
const int floatsPerVertex = 8;

// The strip of the trail being drawn; kept between draws so that drawing
// allocates nothing once it has grown to the longest trail.
std::vector<float> strip;

}  // namespace

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
    if (!programReady(trailProgram)) {
        return;
    }
    if (visibleArea.shows(bounds(current))) {
        drawStrip(current);
    }
    // Drawing the strip leaves its last colour current, seen or not.
    glColor4f(red, green, blue, width);
}

// Each pair carries -w then +w in alpha: the sign picks the ribbon edge, xy
// the sample and zw the one before it, for the direction of travel. Samples
// stored in one place (a long frame) give no direction; such a segment takes
// its older neighbour's, or the ribbon pinches to nothing there.
void Trail::drawStrip(point current) {
    int n = sampleCount;
    strip.resize(static_cast<size_t>(2 * (n + 1) * floatsPerVertex));
    float* out = strip.data();
    point travel{0, 0};
    auto emitPair = [&](point at, point before, float w) {
        if (at.x == before.x && at.y == before.y) {
            before = point{at.x - travel.x, at.y - travel.y};
        } else {
            travel = point{at.x - before.x, at.y - before.y};
        }
        for (float signedWidth : {-w, w}) {
            *out++ = at.x;
            *out++ = at.y;
            *out++ = before.x;
            *out++ = before.y;
            *out++ = red;
            *out++ = green;
            *out++ = blue;
            *out++ = signedWidth;
        }
    };
    for (int i = 1; i <= n; ++i) {
        int slot = (head + i + 1) % (n + 1);
        int previous = slot == 0 ? n : slot - 1;
        float f = static_cast<float>(i) / n;
        emitPair(ring[slot], ring[previous], width * f);
    }
    emitPair(current, ring[head], width);

    glUseProgram(shaders[trailProgram]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(4, GL_FLOAT, floatsPerVertex * sizeof(float), strip.data());
    glColorPointer(4, GL_FLOAT, floatsPerVertex * sizeof(float), strip.data() + 4);
    glDrawArrays(GL_QUAD_STRIP, 0, 2 * (n + 1));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glUseProgram(0);
}
