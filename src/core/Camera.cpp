#include "core/Camera.h"

#include <GL/glew.h>

#include "core/VisibleArea.h"

namespace {
// A twentieth of the view's size more on every side, so nothing pops in.
const float visibleMargin = 0.05f;

// The world plane lies one unit beyond the near plane, so it shows the view
// rectangle enlarged by (near + 1) / near, round the camera's centre.
VisibleArea worldPlaneShown(const Camera& camera, point centre) {
    double nearPlane = 10000.0 * camera.nearScale;
    double grow = (nearPlane + 1) / nearPlane * (1 + visibleMargin);
    float halfHeight = static_cast<float>(camera.viewHeight / 2 * grow);
    float halfWidth = halfHeight * camera.aspect;
    return VisibleArea{Box{centre.x - halfWidth, centre.x + halfWidth, centre.y - halfHeight,
                           centre.y + halfHeight}};
}
}  // namespace

ViewRect Camera::viewRect(point centre) const {
    float halfWidth = viewHeight / 2 * aspect;
    float halfHeight = viewHeight / 2;
    return ViewRect{centre.x - halfWidth, centre.x + halfWidth, centre.y - halfHeight, centre.y + halfHeight};
}

void setCamera(const Camera& camera, point centre) {
    visibleArea = worldPlaneShown(camera, centre);
    float v = camera.viewHeight;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-v / 2 * camera.aspect, v / 2 * camera.aspect, -v / 2, v / 2, 10000 * camera.nearScale,
              30000 * camera.farScale);
    glTranslatef(-centre.x, -centre.y, 0);
    glTranslatef(0, 0, -10000 * camera.nearScale);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -1);
}
