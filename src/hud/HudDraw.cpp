#include "hud/HudDraw.h"

#include <cmath>
#include <cstdio>

#include "assets/Font.h"
#include "core/Draw.h"

namespace {
const int circleSegments = 48;
const float twoPi = 6.2831853f;
// The pattern of a dashed line: 4 pixels on, 4 off.
const GLushort dashes = 0x0F0F;

void setColour(Colour colour) { glColor4f(colour.r, colour.g, colour.b, colour.a); }
}  // namespace

void drawIcon(GLuint texture, point centre, float half, float degrees, Colour colour) {
    glPushAttrib(GL_CURRENT_BIT);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    setColour(colour);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, 0);
    glRotatef(degrees, 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, texture);
    drawSquare(half);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPopAttrib();
}

void drawCircle(point centre, float radius, Colour colour) {
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    setColour(colour);
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < circleSegments; ++i) {
        float angle = twoPi * static_cast<float>(i) / circleSegments;
        glVertex2f(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle));
    }
    glEnd();
    glPopAttrib();
}

void drawLine(point from, point to, Colour colour, bool dashed) {
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    if (dashed) {
        glEnable(GL_LINE_STIPPLE);
        glLineStipple(1, dashes);
    }
    setColour(colour);
    glBegin(GL_LINES);
    glVertex2f(from.x, from.y);
    glVertex2f(to.x, to.y);
    glEnd();
    glPopAttrib();
}

void drawOutline(float x, float y, float width, float height, Colour colour) {
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    setColour(colour);
    glBegin(GL_LINE_LOOP);
    glVertex2f(x + 0.5f, y + 0.5f);
    glVertex2f(x + 0.5f, y + height - 0.5f);
    glVertex2f(x + width - 0.5f, y + height - 0.5f);
    glVertex2f(x + width - 0.5f, y + 0.5f);
    glEnd();
    glPopAttrib();
}

void drawDots(const std::vector<point>& dots, float size, Colour colour) {
    if (dots.empty()) return;
    glPushAttrib(GL_CURRENT_BIT | GL_POINT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPointSize(size);
    setColour(colour);
    glBegin(GL_POINTS);
    for (point dot : dots) glVertex2f(dot.x, dot.y);
    glEnd();
    glPopAttrib();
}

float fittingScale(Font& font, const std::string& text, float scale, float width) {
    float textWidth = font.textWidth(text, scale);
    return textWidth > width ? scale * width / textWidth : scale;
}

Colour faded(Colour colour, float share) { return Colour{colour.r, colour.g, colour.b, colour.a * share}; }

std::string distanceText(float units) {
    char text[32];
    if (units < 1000) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(std::lround(units / 10) * 10));
    } else if (units < 9950) {
        std::snprintf(text, sizeof text, "%.1fk", units / 1000);
    } else {
        std::snprintf(text, sizeof text, "%.0fk", units / 1000);
    }
    return text;
}
