#include "ui/Text.h"

#include <GL/glew.h>

#include "assets/Font.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/PictureArea.h"

namespace {
std::vector<DrawnText>* drawnTexts = nullptr;
}  // namespace

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
    noteDrawnText(text, textBox(text, x, y, scale));
    glPushAttrib(GL_CURRENT_BIT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    font.displayText(text, x, y, scale);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPopAttrib();
}

// Metrics are in 1/64 pixel of the font's 300-pixel raster, as Font::displayText reads them.
Box textBox(const std::string& text, float x, float y, float scale, Align align) {
    float f = scale * 0.0001f;
    float width = 0;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < letterMetrics.size()) width += f * letterMetrics[code].advance;
    }
    if (align == Align::centre) x -= width / 2;
    if (align == Align::right) x -= width;
    Box box{x, x, y, y};
    bool inked = false;
    float pen = x;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code >= letterMetrics.size()) continue;
        const metrics& m = letterMetrics[code];
        if (m.rightEdge > m.leftEdge && m.topEdge > m.bottomEdge) {
            Box glyph{pen + f * m.leftEdge, pen + f * m.rightEdge, y + f * m.bottomEdge, y + f * m.topEdge};
            box = inked ? box.joined(glyph) : glyph;
            inked = true;
        }
        pen += f * m.advance;
    }
    return box;
}

void recordDrawnText(std::vector<DrawnText>* record) { drawnTexts = record; }

void noteDrawnText(const std::string& words, const Box& box) {
    if (drawnTexts && box.right > box.left) drawnTexts->push_back(DrawnText{words, box});
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
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(1, 1, 1, 1);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0);
    drawSquare(half);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
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
