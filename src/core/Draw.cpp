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

void drawRectangle(float width, float height) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(0, 1);
    glVertex2f(0, height);
    glTexCoord2f(1, 1);
    glVertex2f(width, height);
    glTexCoord2f(1, 0);
    glVertex2f(width, 0);
    glEnd();
}
