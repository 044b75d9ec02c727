#include "core/Draw.h"

#include <GL/gl.h>

void drawSquare(float s) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-s, -s);
    glTexCoord2f(0, 1);
    glVertex2f(-s, s);
    glTexCoord2f(1, 1);
    glVertex2f(s, s);
    glTexCoord2f(1, 0);
    glVertex2f(s, -s);
    glEnd();
}
