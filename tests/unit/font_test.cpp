#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "assets/Font.h"

namespace {

// The game's own font file.
std::string testFont() { return dataDir() + "/subatomic.tsoonami.ttf"; }

std::unique_ptr<Font> loadFont(const std::string& file, std::string* printed = nullptr) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    testing::internal::CaptureStdout();
    auto font = std::make_unique<Font>(file);
    std::string output = testing::internal::GetCapturedStdout();
    if (printed) *printed = output;
    return font;
}

GLint boundTexture() {
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return bound;
}

GLint modelViewDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

// Leftmost column holding a lit pixel in a band of rows, or -1.
int leftmostLitColumn(int y, int height) {
    for (int x = 0; x < 600; ++x) {
        if (brightness(x, y, 1, height) > 0) return x;
    }
    return -1;
}

void drawText(Font& font, const std::string& text, float x, float y) {
    startPixelFrame();
    font.displayText(text, x, y, 20);
}

}  // namespace

class FontTest : public testing::Test {
protected:
    static void SetUpTestSuite() { font = loadFont(testFont(), &printed); }
    static void TearDownTestSuite() { font.reset(); }
    static std::unique_ptr<Font> font;
    static std::string printed;
};
std::unique_ptr<Font> FontTest::font;
std::string FontTest::printed;

TEST_F(FontTest, BuildsEveryGlyphQuietly) {
    EXPECT_EQ(font->ready, 1);
    EXPECT_EQ(printed, "");
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_REPLACE);
    for (GLuint texture : letterTextures) EXPECT_TRUE(glIsTexture(texture));
}

TEST_F(FontTest, GlyphMetricsDescribeTheRaster) {
    const metrics& space = letterMetrics[' '];
    EXPECT_EQ(space.rightEdge, space.leftEdge);
    EXPECT_EQ(space.topEdge, space.bottomEdge);
    EXPECT_GT(space.advance, 0);
    const metrics& letter = letterMetrics['H'];
    EXPECT_EQ(letter.leftEdge, letter.bitmapLeft * 64);
    EXPECT_EQ(letter.topEdge, letter.bitmapTop * 64);
    EXPECT_GT(letter.rightEdge, letter.leftEdge);
    EXPECT_GT(letter.topEdge, letter.bottomEdge);
    // A capital at 300 pixels per em stands roughly 190 pixels high on the baseline.
    EXPECT_NEAR(letter.bottomEdge, 0, 64);
    EXPECT_NEAR(letter.topEdge / 64, 190, 20);
    EXPECT_GT(letter.advance, letter.rightEdge - letter.leftEdge);
    const metrics& descender = letterMetrics['g'];
    EXPECT_LT(descender.bottomEdge, 0);
}

// The status lines are drawn 30 units apart at scale 20, every figure any
// digit: no line may touch the one above it.
TEST_F(FontTest, StatusLinesDoNotTouchEachOther) {
    const char* lines[] = {"FPS:", "Ships:", "Projectiles:", "Timers:", "Player HP:"};
    auto lit = [&](const char* label, float y) {
        drawText(*font, std::string(label) + " 0123456789.e+", 0, y);
        std::vector<unsigned char> red(600 * 80);
        glReadPixels(0, 100, 600, 80, GL_RED, GL_UNSIGNED_BYTE, red.data());
        return red;
    };
    for (int i = 0; i < 4; ++i) {
        std::vector<unsigned char> lower = lit(lines[i], 110), upper = lit(lines[i + 1], 140);
        int touching = 0;
        for (size_t p = 0; p < lower.size(); ++p) touching += lower[p] > 0 && upper[p] > 0;
        EXPECT_EQ(touching, 0) << lines[i] << " / " << lines[i + 1];
    }
}

TEST_F(FontTest, DrawsWhiteTextAtThePen) {
    drawText(*font, "FPS: 60", 100, 500);
    saveFrame("font_fps");
    // Capitals scaled by 0.002 per 1/64 pixel stand about 28 pixels high.
    long lit = brightness(100, 500, 200, 40);
    EXPECT_GT(lit, 255L * 3 * 500);
    EXPECT_EQ(brightness(0, 0, 1280, 495), 0);
    EXPECT_EQ(brightness(0, 545, 1280, 479), 0);
    EXPECT_EQ(brightness(0, 495, 95, 50), 0);
    Rgba centre = readPixel(100 + letterMetrics['F'].leftEdge / 500 + 2, 510);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 255);
    EXPECT_EQ(centre.b, 255);
    // Upright: the F's top bar reaches its right edge, its foot does not.
    const metrics& f = letterMetrics['F'];
    int barX = 100 + f.rightEdge / 500 - 3;
    EXPECT_GT(readPixel(barX, 500 + f.topEdge / 500 - 3).r, 200);
    EXPECT_EQ(readPixel(barX, 503).r, 0);
    EXPECT_EQ(boundTexture(), 0);
}

TEST_F(FontTest, PenAdvancesByScaledAdvanceWidth) {
    drawText(*font, "H", 100, 500);
    int alone = leftmostLitColumn(500, 30);
    drawText(*font, "  H", 100, 500);
    int shifted = leftmostLitColumn(500, 30);
    ASSERT_GE(alone, 0);
    float expected = 2 * letterMetrics[' '].advance * 0.002f;
    EXPECT_NEAR(shifted - alone, expected, 1.0f);
}

TEST_F(FontTest, CodesAbove127DrawNothingAndDoNotAdvance) {
    drawText(*font, "H", 100, 500);
    long plain = brightness(0, 400, 600, 200);
    int alone = leftmostLitColumn(500, 30);
    drawText(*font, "\xC3\xA9\x80\xFFH", 100, 500);
    EXPECT_EQ(brightness(0, 400, 600, 200), plain);
    EXPECT_EQ(leftmostLitColumn(500, 30), alone);
}

TEST_F(FontTest, EmptyTextLeavesTheMatrixStackBalanced) {
    GLint depth = modelViewDepth();
    drawText(*font, "", 100, 500);
    EXPECT_EQ(brightness(0, 0, 1280, 1024), 0);
    EXPECT_EQ(modelViewDepth(), depth);
    drawText(*font, "line\nend", 100, 500);
    EXPECT_EQ(modelViewDepth(), depth);
}

// Runs after the suite above: a new Font regenerates the shared glyph textures.
TEST(FontMissing, MissingFileIsReportedAndDrawsNothing) {
    std::string printed;
    std::unique_ptr<Font> font = loadFont("no-such-font.ttf", &printed);
    EXPECT_EQ(printed, "Error initializing face no-such-font.ttf\n");
    EXPECT_EQ(font->ready, 0);
    GLuint dummy = 0;
    glGenTextures(1, &dummy);
    glBindTexture(GL_TEXTURE_2D, dummy);
    GLint depth = modelViewDepth();
    drawText(*font, "FPS: 60", 100, 500);
    EXPECT_EQ(brightness(0, 0, 1280, 1024), 0);
    EXPECT_EQ(boundTexture(), 0);
    EXPECT_EQ(modelViewDepth(), depth);
    glDeleteTextures(1, &dummy);
}

TEST(FontMissing, FileThatIsNotAFontIsReported) {
    ScratchDir dir;
    writeFile("broken.ttf", "this is not a font at all\n");
    std::string printed;
    std::unique_ptr<Font> font = loadFont("broken.ttf", &printed);
    EXPECT_EQ(printed,
              "the font file could be opened and read, but it appears ... that its font format "
              "is unsupported\n");
    EXPECT_EQ(font->ready, 0);
}

// F11 builds the font again: the last face, which maps the file, goes.
TEST(FontRebuilt, ANewFontGivesTheLastFaceBack) {
    for (int i = 0; i < 5; ++i) loadFont(testFont());
    std::ifstream maps("/proc/self/maps");
    int mappings = 0;
    for (std::string line; std::getline(maps, line);) mappings += line.find("tsoonami.ttf") != std::string::npos;
    EXPECT_EQ(mappings, 1);
}
