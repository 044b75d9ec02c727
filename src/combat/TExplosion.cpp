#include "combat/TExplosion.h"

#include <GL/glew.h>

#include "assets/Textures.h"
#include "core/Draw.h"
#include "core/VisibleArea.h"

TExplosion::TExplosion(int createdAt, int lifetime, point centre)
    : created(createdAt), duration(lifetime), position(centre), size(50.0f) {}

void TExplosion::execute(int now, WorldState&) {
    // Whole degrees on purpose: the layers turn in integer steps.
    int forwardTurn = ((now - created) * 360) / 1000;
    int backwardTurn = ((created - now) * 360) / 2000;
    float halfSize = size * (created + duration - now) / duration;
    // Two squares of that half-size, turned any way.
    if (!visibleArea.showsSquare(position, halfSize)) {
        return;
    }

    if (ownColours) {
        glPushAttrib(GL_CURRENT_BIT);
        glColor4f(1, 1, 1, 1);
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glPushMatrix();
    glRotatef(static_cast<float>(forwardTurn), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[explosionTexture]);
    drawSquare(halfSize);
    glPopMatrix();
    glRotatef(static_cast<float>(backwardTurn), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[explosionTexture]);
    drawSquare(halfSize);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    if (ownColours) {
        glPopAttrib();
    }
}
