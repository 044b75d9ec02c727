#include "ui/Text.h"

#include <GL/glew.h>

#include "assets/Font.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/PictureArea.h"

void useLayoutProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The glyphs are white: modulating tints them, and replace is put back for
// the rest of the frame's textured drawing, as the font leaves it.
void drawText(Font& font, const std::string& text, float x, float y, float scale, Colour colour,
              Align align) {
    float width = font.textWidth(text, scale);
    if (align == Align::centre) x -= width / 2;
    if (align == Align::right) x -= width;
    glPushAttrib(GL_CURRENT_BIT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    font.displayText(text, x, y, scale);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPopAttrib();
}

void drawPanel(float x, float y, float width, float height, Colour colour) {
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    glBegin(GL_QUADS);
    glVertex2f(x, y);
    glVertex2f(x, y + height);
    glVertex2f(x + width, y + height);
    glVertex2f(x + width, y);
    glEnd();
    glPopAttrib();
}

void drawPicture(unsigned texture, point centre, float half) {
    if (texture == 0) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0);
    drawSquare(half);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

point layoutPoint(int windowX, int windowY, const PictureArea& area, int windowHeight) {
    float fromLeft = static_cast<float>(windowX - area.x);
    float fromBottom = static_cast<float>(windowHeight - 1 - windowY - area.y);
    return point{fromLeft * w / area.width, fromBottom * h / area.height};
}
