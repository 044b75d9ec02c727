#include "core/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

float square(float v) { return v * v; }

std::string toString(float v) {
    std::ostringstream out;
    out.precision(3);
    out << v;
    return out.str();
}

bool intersectCircleLine(point a, point b, point c, float r) {
    float dx = b.x - a.x;
    float dy = b.y - a.y;
    float t = -((a.x - c.x) * dx + (a.y - c.y) * dy) / (dx * dx + dy * dy);
    if (t < 0) {
        t = 0;
    } else if (t > 1) {
        t = 1;
    }
    float px = a.x + dx * t - c.x;
    float py = a.y + dy * t - c.y;
    return r * r > px * px + py * py;
}

float dot(point a, point b) { return a.x * b.x + a.y * b.y; }

double interceptTime(point gap, point closing, float speed) {
    double a = dot(closing, closing) - static_cast<double>(speed) * speed;
    double b = 2.0 * dot(gap, closing);
    double c = dot(gap, gap);
    if (std::fabs(a) < 1e-12) return b < 0 ? -c / b : -1;
    double disc = b * b - 4 * a * c;
    if (disc < 0) return -1;
    double root = std::sqrt(disc);
    double early = (-b - root) / (2 * a);
    double late = (-b + root) / (2 * a);
    return early > 0 && late > 0 ? std::min(early, late) : std::max(early, late);
}

point normalize(point v) {
    float length = std::sqrt(v.x * v.x + v.y * v.y);
    return point{v.x / length, v.y / length};
}

float pointDistance(point a, point b) {
    double dx = std::fabs(a.x - b.x);
    double dy = std::fabs(a.y - b.y);
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

float randLoc() {
    // Reduce to 15 bits so the spread matches a 0..32767 generator.
    int r = std::rand() % 32768;
    return static_cast<float>((7 * r) % 200000 - 100000);
}

point gameToPixel(point p) { return p; }

float gameToPixel(int n) { return static_cast<float>(n); }

int pixelToGame(int n) { return n; }

int pixelToGame(float v) { return static_cast<int>(v); }

point mouseToGame(point m, float left, float right, float bottom, float top) {
    return point{left + m.x * (right - left) / 100, bottom + m.y * (top - bottom) / 100};
}
