#include "screens/Scenery.h"

#include <GL/glew.h>

#include <cmath>

#include "core/Camera.h"
#include "core/Constants.h"
#include "hud/ClassicOverlays.h"
#include "world/WorldStep.h"

namespace {
// The camera circles this far from the centre, once in two minutes.
const float driftRadius = 1400;
const float driftPeriodMs = 120000;
}  // namespace

Scenery::Scenery(const Universe& loaded, const Player& ship, int world, point centre)
    : universe(freshUniverse(loaded)), watcher(ship), centre(centre) {
    watcher.destroyed = true;
    watcher.position = point{XBOUND, YBOUND};
    watcher.warpWorld(world);
    universe.player = &watcher;
}

void Scenery::draw(const Camera& view, int now, int dt) {
    float turn = 2 * 3.14159265f * static_cast<float>(now % static_cast<int>(driftPeriodMs)) / driftPeriodMs;
    point camera{centre.x + driftRadius * std::cos(turn), centre.y + driftRadius * std::sin(turn)};
    glLoadIdentity();
    setCamera(view, camera);
    drawBackground();
    stepWorld(universe, watcher, dt, now);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
