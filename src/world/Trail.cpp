#include "world/Trail.h"
Trail::Trail(int n, point start, int interval, float wd, float r, float g, float b)
    : sampleInterval(interval), sampleClock(0), sampleCount(n), head(0), width(wd), red(r), green(g), blue(b), ring(n + 1, start) {}
void Trail::update(point, int) {}
void Trail::clear(point p) { ring.assign(ring.size(), p); }
void Trail::draw(point) {}
