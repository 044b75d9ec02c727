#include "assets/Font.h"

#include <iostream>

#include "assets/DataReport.h"

GLuint letterTextures[128];
std::vector<metrics> letterMetrics(128, metrics{0, 0, 0, 0, 0, 0, 0});
FT_Face face;

namespace {

const int glyphCount = 128;
const int rasterHeight = 300;
const FT_Error unknownFileFormat = 2;

metrics measureGlyph(const FT_GlyphSlot glyph) {
    metrics m;
    m.bitmapLeft = glyph->bitmap_left;
    m.bitmapTop = glyph->bitmap_top;
    m.rightEdge = glyph->bitmap_left * 64 + static_cast<int>(glyph->metrics.width);
    m.leftEdge = glyph->bitmap_left * 64;
    m.topEdge = glyph->bitmap_top * 64;
    m.bottomEdge = glyph->bitmap_top * 64 - static_cast<int>(glyph->metrics.height);
    m.advance = static_cast<int>(glyph->advance.x);
    return m;
}

// White luminance with the coverage as alpha, bottom row first so that
// texture coordinate t = 0 is the glyph's bottom.
std::vector<unsigned char> glyphImage(const FT_Bitmap& bitmap) {
    int width = static_cast<int>(bitmap.width);
    int rows = static_cast<int>(bitmap.rows);
    std::vector<unsigned char> image(static_cast<size_t>(rows) * width * 2);
    for (int j = 0; j < rows; ++j) {
        const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(j) * bitmap.pitch;
        unsigned char* target = &image[static_cast<size_t>(rows - 1 - j) * width * 2];
        for (int k = 0; k < width; ++k) {
            target[2 * k] = 255;
            target[2 * k + 1] = source[k];
        }
    }
    return image;
}

void uploadGlyph(GLuint texture, const FT_Bitmap& bitmap) {
    std::vector<unsigned char> image = glyphImage(bitmap);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // A glyph that fills its bitmap to the edge would otherwise take in
    // the opposite edge where it is drawn large.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, static_cast<GLsizei>(bitmap.width),
                 static_cast<GLsizei>(bitmap.rows), 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                 image.empty() ? nullptr : image.data());
}

bool openFace(FT_Library library, const std::string& fileName) {
    FT_Error error = FT_New_Face(library, fileName.c_str(), 0, &face);
    if (error == unknownFileFormat) {
        std::cout << "the font file could be opened and read, but it appears ... that its font "
                     "format is unsupported"
                  << std::endl;
        return false;
    }
    if (error != 0) {
        std::cout << "Error initializing face " << fileName << std::endl;
        return false;
    }
    if (FT_Set_Pixel_Sizes(face, 0, rasterHeight) != 0) {
        std::cout << "Error setting font size" << std::endl;
        return false;
    }
    return true;
}

// The library that holds `face`; null when no face is open.
FT_Library faceLibrary = nullptr;

// Gives back the library of the last font, face included: F11 builds the
// font again on each switch.
void releaseFace() {
    if (faceLibrary) FT_Done_FreeType(faceLibrary);
    faceLibrary = nullptr;
    face = nullptr;
}

// The library stays until the next font is built once the face is in use;
// a failed load gives it back, face included.
bool loadFace(const std::string& fileName) {
    releaseFace();
    if (FT_Init_FreeType(&faceLibrary) != 0) {
        faceLibrary = nullptr;
        std::cout << "Error initializing freetype library" << std::endl;
        return false;
    }
    if (!openFace(faceLibrary, fileName)) {
        releaseFace();
        return false;
    }
    return true;
}

bool buildGlyphs() {
    for (int ch = 0; ch < glyphCount; ++ch) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(ch), FT_LOAD_RENDER) != 0) {
            std::cout << "Error loading character" << std::endl;
            return false;
        }
        letterMetrics[ch] = measureGlyph(face->glyph);
        uploadGlyph(letterTextures[ch], face->glyph->bitmap);
    }
    return true;
}

}  // namespace

Font::Font(std::string fileName) : ready(0) {
    glEnable(GL_TEXTURE_2D);
    glGenTextures(glyphCount, letterTextures);
    // FreeType opens the file by name: a pipe or a huge file never gets that far.
    // A missing one does, and FreeType says so as it always has.
    problem = dataFileProblem(fileName, fontFiles);
    bool readable = problem.empty() || problem == missingFile;
    if (readable && loadFace(fileName) && buildGlyphs()) {
        ready = 1;
        problem.clear();
        return;
    }
    if (problem.empty()) problem = "not a font FreeType can read";
    DataReport::noteProblem();
}

float Font::textWidth(const std::string& text, float scale) const {
    float f = scale * 0.0001f;
    float width = 0;
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < glyphCount) width += f * letterMetrics[code].advance;
    }
    return width;
}

void Font::displayText(std::string text, float x, float y, float scale) {
    glBindTexture(GL_TEXTURE_2D, 0);
    if (!ready) return;
    // Metrics are in 1/64 pixel of the 300-pixel raster.
    float f = scale * 0.0001f;
    glPushMatrix();
    glTranslatef(x, y, 0);
    for (char c : text) {
        unsigned char code = static_cast<unsigned char>(c);
        // Only codes 0 to 127 have a glyph.
        if (code >= glyphCount) continue;
        const metrics& m = letterMetrics[code];
        glBindTexture(GL_TEXTURE_2D, letterTextures[code]);
        glBegin(GL_QUADS);
        glTexCoord2f(0, 0);
        glVertex2f(f * m.leftEdge, f * m.bottomEdge);
        glTexCoord2f(0, 1);
        glVertex2f(f * m.leftEdge, f * m.topEdge);
        glTexCoord2f(1, 1);
        glVertex2f(f * m.rightEdge, f * m.topEdge);
        glTexCoord2f(1, 0);
        glVertex2f(f * m.rightEdge, f * m.bottomEdge);
        glEnd();
        glTranslatef(f * m.advance, 0, 0);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}
