#include "world/Trail.h"

#include <GL/glew.h>

#include "assets/Shaders.h"

namespace {

const size_t trailProgram = 2;

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

void Trail::draw(point current) {
    if (!programReady(trailProgram)) {
        return;
    }
    // Each pair carries -w then +w in alpha: the sign picks the ribbon edge,
    // xy the sample and zw the one before it, for the direction of travel.
    auto emitPair = [this](point at, point before, float w) {
        glColor4f(red, green, blue, -w);
        glVertex4f(at.x, at.y, before.x, before.y);
        glColor4f(red, green, blue, w);
        glVertex4f(at.x, at.y, before.x, before.y);
    };
    int n = sampleCount;
    glUseProgram(shaders[trailProgram]);
    glBegin(GL_QUAD_STRIP);
    for (int i = 1; i <= n; ++i) {
        int slot = (head + i + 1) % (n + 1);
        int previous = slot == 0 ? n : slot - 1;
        float f = static_cast<float>(i) / n;
        emitPair(ring[slot], ring[previous], width * f);
    }
    emitPair(current, ring[head], width);
    glEnd();
    glUseProgram(0);
}
