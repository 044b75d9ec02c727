#include "hud/GlyphAtlas.h"

#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "core/DataFile.h"

namespace {
const int rasterHeight = 300;
const int shrink = 3;
const int atlasWidth = 1024;
// Room between glyphs, so that the small mipmaps keep them apart.
const int padding = 8;

struct Glyph {
    int width = 0;  // shrunk
    int rows = 0;
    int sourceWidth = 0;
    int sourceRows = 0;
    std::vector<unsigned char> coverage;  // shrunk, top row first
};

// The average coverage of each `shrink` x `shrink` block; blocks past the
// bitmap's edge count as empty.
Glyph shrunk(const FT_Bitmap& bitmap) {
    Glyph glyph;
    glyph.sourceWidth = static_cast<int>(bitmap.width);
    glyph.sourceRows = static_cast<int>(bitmap.rows);
    glyph.width = (glyph.sourceWidth + shrink - 1) / shrink;
    glyph.rows = (glyph.sourceRows + shrink - 1) / shrink;
    std::vector<int> sums(static_cast<size_t>(glyph.width) * glyph.rows, 0);
    for (int y = 0; y < glyph.sourceRows; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        for (int x = 0; x < glyph.sourceWidth; ++x) {
            sums[static_cast<size_t>(y / shrink) * glyph.width + x / shrink] += row[x];
        }
    }
    glyph.coverage.resize(sums.size());
    for (size_t i = 0; i < sums.size(); ++i) glyph.coverage[i] = static_cast<unsigned char>(sums[i] / (shrink * shrink));
    return glyph;
}

bool renderGlyphs(const std::string& fontFile, std::vector<Glyph>& glyphs) {
    FT_Library library = nullptr;
    // Start-up has named a font that cannot be used.
    if (!dataFileProblem(fontFile, fontFiles).empty() || FT_Init_FreeType(&library) != 0) return false;
    FT_Face face = nullptr;
    bool rendered = FT_New_Face(library, fontFile.c_str(), 0, &face) == 0 &&
                    FT_Set_Pixel_Sizes(face, 0, rasterHeight) == 0;
    for (int code = 0; rendered && code < GlyphAtlas::glyphCount; ++code) {
        rendered = FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER) == 0;
        if (rendered) glyphs.push_back(shrunk(face->glyph->bitmap));
    }
    FT_Done_FreeType(library);
    return rendered;
}

int powerOfTwo(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}
}  // namespace

GlyphAtlas::GlyphAtlas(const std::string& fontFile) {
    std::vector<Glyph> glyphs;
    if (!renderGlyphs(fontFile, glyphs)) return;
    // Rows of glyphs, left to right, top down.
    std::vector<int> left(glyphs.size());
    std::vector<int> top(glyphs.size());
    int x = padding;
    int y = padding;
    int rowHeight = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        if (x + glyphs[i].width + padding > atlasWidth) {
            x = padding;
            y += rowHeight + padding;
            rowHeight = 0;
        }
        left[i] = x;
        top[i] = y;
        x += glyphs[i].width + padding;
        rowHeight = std::max(rowHeight, glyphs[i].rows);
    }
    int height = powerOfTwo(y + rowHeight + padding);
    // White, with the coverage as alpha; the image's first row is the texture's bottom.
    std::vector<unsigned char> image(static_cast<size_t>(atlasWidth) * height * 2, 0);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        for (int row = 0; row < glyph.rows; ++row) {
            int imageRow = height - 1 - (top[i] + row);
            for (int column = 0; column < glyph.width; ++column) {
                size_t at = (static_cast<size_t>(imageRow) * atlasWidth + left[i] + column) * 2;
                image[at] = 255;
                image[at + 1] = glyph.coverage[static_cast<size_t>(row) * glyph.width + column];
            }
        }
        // The font draws the whole source bitmap over the glyph's box.
        Cell& cell = cells[i];
        cell.s0 = static_cast<float>(left[i]) / atlasWidth;
        cell.s1 = (left[i] + static_cast<float>(glyph.sourceWidth) / shrink) / atlasWidth;
        cell.t1 = static_cast<float>(height - top[i]) / height;
        cell.t0 = (height - top[i] - static_cast<float>(glyph.sourceRows) / shrink) / height;
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_LUMINANCE_ALPHA, atlasWidth, height, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                      image.data());
    glBindTexture(GL_TEXTURE_2D, 0);
}

GlyphAtlas::~GlyphAtlas() {
    if (texture != 0 && glIsTexture(texture)) glDeleteTextures(1, &texture);
}
