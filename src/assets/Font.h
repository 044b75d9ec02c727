#pragma once

#include <GL/glew.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

// Measurements of one rendered glyph; edges and advance in 1/64 pixel.
struct metrics {
    int bitmapLeft;
    int bitmapTop;
    int rightEdge;
    int leftEdge;
    int topEdge;
    int bottomEdge;
    int advance;
};

// The one font file the game reads.
const char* const fontFileName = "subatomic.tsoonami.ttf";

extern GLuint letterTextures[128];
extern std::vector<metrics> letterMetrics;
extern FT_Face face;

// The glyph font: codes 0 to 127 rasterised at 300 pixels into textures.
class Font {
public:
    explicit Font(std::string fileName);
    void displayText(std::string text, float x, float y, float scale);
    // How far displayText moves the pen for this text.
    float textWidth(const std::string& text, float scale) const;

    int ready;
    // Why the font is not ready, in a few words ("missing", "not a font
    // FreeType can read"); empty when it is.
    std::string problem;
};
