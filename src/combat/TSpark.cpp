#include "combat/TSpark.h"

#include <GL/glew.h>

#include "assets/ShipLooks.h"
#include "core/Draw.h"
#include "core/VisibleArea.h"

TSpark::TSpark(int createdAt, point from, point flight, float halfSize, const float tint[3])
    : created(createdAt), position(from), velocity(flight), size(halfSize), colour{tint[0], tint[1], tint[2]} {
    startTime = 0;
    endTime = createdAt + durationMs;
}

void TSpark::execute(int now, WorldState&) {
    float age = static_cast<float>(now - created);
    float left = 1 - age / durationMs;
    point at{position.x + velocity.x * age, position.y + velocity.y * age};
    float half = size * (0.6f + 0.4f * left);
    if (left <= 0 || sparkSprite() == 0 || !visibleArea.showsSquare(at, half)) {
        return;
    }
    // Its own colour for this draw only: what follows keeps the colour it had.
    glPushAttrib(GL_CURRENT_BIT);
    glColor4f(colour[0], colour[1], colour[2], left);
    glPushMatrix();
    glTranslatef(at.x, at.y, 0);
    glRotatef(age * 0.4f, 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, sparkSprite());
    drawSquare(half);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    glPopAttrib();
}
