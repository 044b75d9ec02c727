#include <SOIL/SOIL.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "assets/Textures.h"

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

// SOIL recognises images by their content, so a BMP serves under any name.
void writeImage(const std::string& name) {
    std::vector<unsigned char> pixels(4 * 4 * 3, 200);
    ASSERT_EQ(SOIL_save_image(name.c_str(), SOIL_SAVE_TYPE_BMP, 4, 4, 3, pixels.data()), 1);
}

GLint wrapOf(GLuint texture, GLenum axis) {
    GLint wrap = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, axis, &wrap);
    glBindTexture(GL_TEXTURE_2D, 0);
    return wrap;
}

std::string loadAndCapture() {
    testing::internal::CaptureStdout();
    loadTextures();
    return testing::internal::GetCapturedStdout();
}

void drainErrors() {
    while (glGetError() != GL_NO_ERROR) {
    }
}

}  // namespace

using LoadTextures = GlobalTablesTest;

TEST_F(LoadTextures, EveryMissingImageIsReportedAndLeavesItsSlotEmpty) {
    ScratchDir dir;
    std::vector<std::string> printed = lines(loadAndCapture());
    std::string reason = SOIL_last_result();
    ASSERT_EQ(printed.size(), 21u);
    EXPECT_EQ(printed[playerTexture], "SOIL loading error on player.png: '" + reason + "'");
    EXPECT_EQ(printed[dustTexture], "SOIL loading error on dust.png: '" + reason + "'");
    EXPECT_EQ(printed[diamondParticleTexture], "SOIL loading error on diamondParticle: '" + reason + "'");
    EXPECT_EQ(printed[wormholeTexture], "SOIL loading error on wormhole1.tga: '" + reason + "'");
    EXPECT_EQ(printed[mapTexture], "SOIL loading error on map.png: " + reason);
    EXPECT_EQ(printed[whiteDotTexture], "SOIL loading error on whiteDot.png: " + reason);
    int quoted = 0;
    for (const std::string& line : printed) {
        if (line.back() == '\'') ++quoted;
    }
    EXPECT_EQ(quoted, 19);
    for (int slot = 0; slot < textureCount; ++slot) EXPECT_EQ(textures[slot], 0u) << slot;
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(LoadTextures, OnlyTheDustImageRepeats) {
    ScratchDir dir;
    for (const char* name : {"player.png", "dust.png", "mars.png", "flame.tga", "map.png"}) {
        writeImage(name);
    }
    std::string printed = loadAndCapture();
    EXPECT_EQ(lines(printed).size(), 16u);
    EXPECT_EQ(printed.find("dust.png"), std::string::npos);
    for (int slot : {playerTexture, dustTexture, marsTexture, flameTexture, mapTexture}) {
        EXPECT_NE(textures[slot], 0u) << slot;
    }
    EXPECT_EQ(textures[cursorTexture], 0u);
    EXPECT_EQ(wrapOf(textures[dustTexture], GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(wrapOf(textures[dustTexture], GL_TEXTURE_WRAP_T), GL_REPEAT);
    for (int slot : {playerTexture, marsTexture, flameTexture, mapTexture}) {
        EXPECT_NE(wrapOf(textures[slot], GL_TEXTURE_WRAP_S), GL_REPEAT) << slot;
    }
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_MODULATE);
}

TEST_F(LoadTextures, LoadedImageDrawsItsColour) {
    ScratchDir dir;
    writeImage("player.png");
    loadAndCapture();
    startPixelFrame();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, textures[playerTexture]);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(100, 100);
    glTexCoord2f(0, 1);
    glVertex2f(100, 200);
    glTexCoord2f(1, 1);
    glVertex2f(200, 200);
    glTexCoord2f(1, 0);
    glVertex2f(200, 100);
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    saveFrame("textures_player_quad");
    Rgba inside = readPixel(150, 150);
    EXPECT_NEAR(inside.r, 200, 2);
    EXPECT_NEAR(inside.g, 200, 2);
    EXPECT_EQ(readPixel(250, 150).r, 0);
}

// One line for the first pending error of each kind, and no more.
TEST(ReportError, PrintsTheLineOfTheFirstPendingError) {
    drainErrors();
    testing::internal::CaptureStdout();
    reportError();
    glEnable(0x7fff);
    reportError();
    glLineWidth(-1);
    reportError();
    glEnd();
    glEnable(0x7fff);
    reportError();
    drainErrors();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    reportError();
    GLint depth = 0;
    glGetIntegerv(GL_MAX_MODELVIEW_STACK_DEPTH, &depth);
    for (int i = 0; i < depth; ++i) glPushMatrix();
    reportError();
    for (int i = 1; i < depth; ++i) glPopMatrix();
    reportError();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Invalid enumerated argument\ninvalid value\nInvalid operation\n"
              "gl stack underflow\nGL stack overflow\n");
}

// Rows of 3-byte pixels need not fill 4 bytes; they must not shear.
TEST_F(LoadTextures, RgbImagesOfAnyWidthLoadUnsheared) {
    ScratchDir dir;
    std::vector<unsigned char> pixels;
    for (int i = 0; i < 3 * 3; ++i) {
        unsigned char shade = static_cast<unsigned char>(i * 20);
        pixels.insert(pixels.end(), {shade, shade, shade});
    }
    ASSERT_EQ(SOIL_save_image("map.png", SOIL_SAVE_TYPE_TGA, 3, 3, 3, pixels.data()), 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    loadAndCapture();
    std::vector<unsigned char> loaded(pixels.size());
    glBindTexture(GL_TEXTURE_2D, textures[mapTexture]);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, loaded.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    // The slot loads upside down (SOIL's invert flag): compare row by row.
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(loaded[row * 9 + k], pixels[(2 - row) * 9 + k]) << row << " " << k;
        }
    }
}
