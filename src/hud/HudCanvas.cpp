#include "hud/HudCanvas.h"

#include <cmath>

#include "assets/Font.h"

namespace {
const int circleSegments = 48;
const float twoPi = 6.2831853f;
const float degreesToRadians = 0.0174533f;
// Dashes 4 pixels long with 4 between.
const float dashLength = 4;

void drawArrays(GLenum mode, const std::vector<float>& corners, int size, const std::vector<float>& tints) {
    if (corners.empty()) return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, size * static_cast<int>(sizeof(float)), corners.data());
    glColorPointer(4, GL_FLOAT, 0, tints.data());
    glDrawArrays(mode, 0, static_cast<GLsizei>(corners.size() / size));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
}  // namespace

HudCanvas::HudCanvas(Font& font) : texts(font) {}

void HudCanvas::addCorner(std::vector<float>& corners, std::vector<float>& tints, point at, Colour colour) {
    corners.insert(corners.end(), {at.x, at.y});
    tints.insert(tints.end(), {colour.r, colour.g, colour.b, colour.a});
}

void HudCanvas::panel(float x, float y, float width, float height, Colour colour) {
    for (point corner : {point{x, y}, point{x, y + height}, point{x + width, y + height}, point{x + width, y}}) {
        addCorner(flatCorners, flatTints, corner, colour);
    }
}

void HudCanvas::dot(point centre, float size, Colour colour) {
    panel(centre.x - size / 2, centre.y - size / 2, size, size, colour);
}

void HudCanvas::outline(float x, float y, float width, float height, Colour colour) {
    point a{x + 0.5f, y + 0.5f};
    point b{x + 0.5f, y + height - 0.5f};
    point c{x + width - 0.5f, y + height - 0.5f};
    point d{x + width - 0.5f, y + 0.5f};
    line(a, b, colour);
    line(b, c, colour);
    line(c, d, colour);
    line(d, a, colour);
}

void HudCanvas::line(point from, point to, Colour colour, bool dashed) {
    if (!dashed) {
        addCorner(lineEnds, lineTints, from, colour);
        addCorner(lineEnds, lineTints, to, colour);
        return;
    }
    float dx = to.x - from.x;
    float dy = to.y - from.y;
    float length = std::sqrt(dx * dx + dy * dy);
    for (float along = 0; along < length; along += 2 * dashLength) {
        float end = std::fmin(along + dashLength, length);
        line(point{from.x + dx * along / length, from.y + dy * along / length},
             point{from.x + dx * end / length, from.y + dy * end / length}, colour);
    }
}

void HudCanvas::circle(point centre, float radius, Colour colour) {
    point previous{centre.x + radius, centre.y};
    for (int i = 1; i <= circleSegments; ++i) {
        float angle = twoPi * static_cast<float>(i) / circleSegments;
        point next{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
        line(previous, next, colour);
        previous = next;
    }
}

void HudCanvas::icon(GLuint texture, point centre, float half, float degrees, Colour colour) {
    if (texture == 0) {
        panel(centre.x - half, centre.y - half, 2 * half, 2 * half, colour);
        return;
    }
    Pictures* batch = nullptr;
    for (Pictures& pictureBatch : pictures) {
        if (pictureBatch.texture == texture) batch = &pictureBatch;
    }
    if (!batch) {
        pictures.push_back(Pictures{texture, {}, {}});
        batch = &pictures.back();
    }
    float c = std::cos(degrees * degreesToRadians);
    float s = std::sin(degrees * degreesToRadians);
    const float square[4][4] = {{-half, -half, 0, 0}, {-half, half, 0, 1}, {half, half, 1, 1}, {half, -half, 1, 0}};
    for (const auto& corner : square) {
        batch->corners.insert(batch->corners.end(), {centre.x + c * corner[0] - s * corner[1],
                                                     centre.y + s * corner[0] + c * corner[1], corner[2], corner[3]});
        batch->tints.insert(batch->tints.end(), {colour.r, colour.g, colour.b, colour.a});
    }
}

void HudCanvas::text(const std::string& words, float x, float y, float scale, Colour colour, Align align) {
    noteDrawnText(words, textBox(words, x, y, scale, align));
    texts.add(words, x, y, scale, colour, align);
}

Box HudCanvas::textBox(const std::string& words, float x, float y, float scale, Align align) const {
    return ::textBox(words, x, y, scale, align);
}

float HudCanvas::textWidth(const std::string& words, float scale) const { return texts.font.textWidth(words, scale); }

float HudCanvas::fitting(const std::string& words, float scale, float width) const {
    float wide = textWidth(words, scale);
    return wide > width ? scale * width / wide : scale;
}

void HudCanvas::draw() {
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    drawArrays(GL_QUADS, flatCorners, 2, flatTints);
    drawArrays(GL_LINES, lineEnds, 2, lineTints);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (const Pictures& batch : pictures) {
        glBindTexture(GL_TEXTURE_2D, batch.texture);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), batch.corners.data() + 2);
        drawArrays(GL_QUADS, batch.corners, 4, batch.tints);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
    texts.draw();
    flatCorners.clear();
    flatTints.clear();
    lineEnds.clear();
    lineTints.clear();
    pictures.clear();
}
