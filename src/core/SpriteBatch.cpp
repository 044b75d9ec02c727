#include "core/SpriteBatch.h"

#include <algorithm>
#include <cmath>

#include "core/VisibleArea.h"

namespace {
const double degreesToRadians = 3.14159265358979323846 / 180;
// What a bright square adds to each colour channel.
const float brightLift = 0.6f;

void drawSquares(const std::vector<float>& corners) {
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data());
    glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data() + 2);
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size() / 4));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

// The tints other than the current colour set a colour of their own, and
// the bright one adds it to the texture's; both are put back after, as every
// other sprite expects them.
void drawTinted(const std::vector<float>& corners, SpriteTint tint) {
    if (tint == SpriteTint::current) {
        drawSquares(corners);
        return;
    }
    glPushAttrib(GL_CURRENT_BIT);
    if (tint == SpriteTint::bright) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
        glColor4f(brightLift, brightLift, brightLift, 1);
    } else {
        glColor4f(1, 1, 1, 1);
    }
    drawSquares(corners);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPopAttrib();
}
}  // namespace

void SpriteBatch::add(GLuint spriteTexture, point centre, float half, float degrees, SpriteTint spriteTint) {
    if (endsRun(spriteTexture, spriteTint)) {
        flush();
    }
    texture = spriteTexture;
    tint = spriteTint;
    double angle = degrees * degreesToRadians;
    float c = static_cast<float>(std::cos(angle));
    float s = static_cast<float>(std::sin(angle));
    const float square[4][4] = {{-half, -half, 0, 0}, {-half, half, 0, 1}, {half, half, 1, 1}, {half, -half, 1, 0}};
    for (const auto& corner : square) {
        corners.insert(corners.end(), {centre.x + c * corner[0] - s * corner[1],
                                       centre.y + s * corner[0] + c * corner[1], corner[2], corner[3]});
    }
    float reach = VisibleArea::squareReach(half);
    Box box{centre.x - reach, centre.x + reach, centre.y - reach, centre.y + reach};
    all = boxes.empty() ? box : all.joined(box);
    boxes.push_back(box);
}

void SpriteBatch::flush() {
    if (corners.empty()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, texture);
    drawTinted(corners, tint);
    glBindTexture(GL_TEXTURE_2D, 0);
    corners.clear();
    boxes.clear();
}

bool SpriteBatch::endsRun(GLuint spriteTexture, SpriteTint spriteTint) const {
    return !corners.empty() && (spriteTexture != texture || spriteTint != tint);
}

bool SpriteBatch::overlapsWaiting(const Box& other) const {
    if (boxes.empty() || !all.touches(other)) {
        return false;
    }
    return std::any_of(boxes.begin(), boxes.end(), [&](const Box& box) { return box.touches(other); });
}
