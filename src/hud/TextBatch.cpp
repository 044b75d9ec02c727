#include "hud/TextBatch.h"

#include <GL/glew.h>

#include <memory>

#include "assets/Font.h"
#include "hud/GlyphAtlas.h"

namespace {
std::unique_ptr<GlyphAtlas> atlas;

const GlyphAtlas& glyphAtlas() {
    if (!atlas) atlas = std::make_unique<GlyphAtlas>(fontFileName);
    return *atlas;
}
}  // namespace

TextBatch::TextBatch(Font& font) : font(font) {}

// Metrics are in 1/64 pixel of the font's 300-pixel raster, as Font::displayText reads them.
void TextBatch::add(const std::string& text, float x, float y, float scale, Colour colour, Align align) {
    if (align == Align::centre) x -= font.textWidth(text, scale) / 2;
    if (align == Align::right) x -= font.textWidth(text, scale);
    const GlyphAtlas& glyphs = glyphAtlas();
    float f = scale * 0.0001f;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code >= GlyphAtlas::glyphCount) continue;
        const metrics& m = letterMetrics[code];
        const GlyphAtlas::Cell& cell = glyphs.cells[code];
        float left = x + f * m.leftEdge;
        float right = x + f * m.rightEdge;
        float bottom = y + f * m.bottomEdge;
        float top = y + f * m.topEdge;
        corners.insert(corners.end(), {left, bottom, cell.s0, cell.t0, left, top, cell.s0, cell.t1, right, top,
                                       cell.s1, cell.t1, right, bottom, cell.s1, cell.t0});
        for (int corner = 0; corner < 4; ++corner) tints.insert(tints.end(), {colour.r, colour.g, colour.b, colour.a});
        x += f * m.advance;
    }
}

void TextBatch::draw() {
    if (corners.empty()) return;
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, glyphAtlas().texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data());
    glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), corners.data() + 2);
    glColorPointer(4, GL_FLOAT, 0, tints.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size() / 4));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
    corners.clear();
    tints.clear();
}

void forgetGlyphAtlas() { atlas.reset(); }
