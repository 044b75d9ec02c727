#include "hud/ScreenMap.h"

#include "core/Constants.h"

// The world plane lies one unit beyond the near plane, so the picture's
// height covers the view's height enlarged by (near + 1) / near.
ScreenMap::ScreenMap(point centre, float viewHeight, float nearScale) : centre(centre) {
    double nearPlane = 10000.0 * nearScale;
    double shown = viewHeight * (nearPlane + 1) / nearPlane;
    pixelsPerUnit = static_cast<float>(h / shown);
}

point ScreenMap::toLayout(point world) const {
    return point{w / 2.0f + (world.x - centre.x) * pixelsPerUnit, h / 2.0f + (world.y - centre.y) * pixelsPerUnit};
}

bool ScreenMap::shows(point world, float radius) const {
    point at = toLayout(world);
    float reach = toPixels(radius);
    return at.x + reach >= 0 && at.x - reach <= w && at.y + reach >= 0 && at.y - reach <= h;
}
