#pragma once

#include <GL/glew.h>

#include <string>

// The font's glyphs in one texture, so that all the HUD's text draws at
// once. Each glyph is rendered as the font renders it (Font.h, at 300
// pixels) and shrunk three times, with mipmaps for small text; it is drawn
// over the same box the font would draw it on.
class GlyphAtlas {
public:
    // Needs an OpenGL context. A font that cannot be read leaves the atlas
    // empty (texture 0), and the text is not drawn, as with the font itself.
    explicit GlyphAtlas(const std::string& fontFile);
    ~GlyphAtlas();
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // Where a glyph lies in the texture, t = 0 at its bottom.
    struct Cell {
        float s0 = 0;
        float t0 = 0;
        float s1 = 0;
        float t1 = 0;
    };

    static constexpr int glyphCount = 128;
    GLuint texture = 0;
    Cell cells[glyphCount];
};
