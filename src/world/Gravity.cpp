#include "world/Gravity.h"

#include <cmath>

#include "core/Constants.h"

namespace {
// 4/3 x pi, with 3.14 standing for pi as the planets' turns have it (sprites
// turn by the true pi).
const double volumeFactor = 4.1866666666666665;
}  // namespace

float gravityReach(float radius, float density) { return 10.0f * radius * density; }

double gravityStrength(float radius, float density) {
    return static_cast<double>(density) * GRAVITYMULTIPLIER * volumeFactor * radius * radius * radius;
}

point gravityPull(point object, point centre, float radius, float density, int frameTime) {
    double dx = static_cast<double>(centre.x) - object.x;
    double dy = static_cast<double>(centre.y) - object.y;
    double d = pointDistance(centre, object);
    double length = std::sqrt(dx * dx + dy * dy);
    if (d <= 0 || length <= 0) {
        return point{0, 0};
    }
    double mass = volumeFactor * radius * radius * radius;
    float pull = static_cast<float>(static_cast<double>(density) * GRAVITYMULTIPLIER * frameTime * mass / (d * d));
    if (!std::isfinite(pull)) {
        return point{0, 0};
    }
    return point{static_cast<float>(pull * (dx / length)), static_cast<float>(pull * (dy / length))};
}
