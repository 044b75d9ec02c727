#include <gtest/gtest.h>

#include <memory>

#include "assets/Emitter.h"
#include "effects_gl.h"

namespace {

class EmitterTest : public EffectDataTest {
protected:
    static void SetUpTestSuite() {
        EffectDataTest::SetUpTestSuite();
        testing::internal::CaptureStdout();
        definitions = readAndExpandEmitterData();
        testing::internal::GetCapturedStdout();
    }

    static Emitter quietEmitter(const EmitterDefinition& definition) {
        testing::internal::CaptureStdout();
        Emitter emitter(definition);
        testing::internal::GetCapturedStdout();
        return emitter;
    }

    static float uniformValue(int program, GLint location) {
        float value = -1;
        glGetUniformfv(shaders[program], location, &value);
        return value;
    }

    // Draws a flame frame for the ship at `at`, the way the player does.
    static long flameBrightness(Emitter& emitter, float thrust, point at, float shipAngle) {
        startGameFrame(at);
        emitter.updateValue(thrust, 1);
        emitter.update(16, at, shipAngle + 180, true);
        return brightness(0, 0, 1280, 1024);
    }

    inline static EmitterTable definitions;
};

}  // namespace

TEST_F(EmitterTest, ConstructionReportsAndFindsEveryUniform) {
    ASSERT_EQ(shaders.size(), 3u);
    ASSERT_EQ(definitions.size(), 2u);
    testing::internal::CaptureStdout();
    Emitter flame(definitions[0]);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Emitter construct\nshader size: 3\n");
    Emitter swirl = quietEmitter(definitions[1]);
    for (const Emitter* e : {&flame, &swirl}) {
        ASSERT_EQ(e->uniformLocations.size(), 3u);
        for (GLint location : e->uniformLocations) {
            EXPECT_NE(location, -1);
        }
        EXPECT_EQ(e->elapsedTime, 0u);
        EXPECT_EQ(e->angle, 0);
    }
    GLint sampler = -1;
    glGetUniformiv(shaders[0], flame.uniformLocations[2], &sampler);
    EXPECT_EQ(sampler, 0);
    glGetUniformiv(shaders[1], swirl.uniformLocations[1], &sampler);
    EXPECT_EQ(sampler, 0);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EmitterTest, ElapsedTimeReachesTheShaderInSeconds) {
    Emitter flame = quietEmitter(definitions[0]);
    startGameFrame(point{0, 0});
    flame.update(400, true);
    flame.update(600, point{5, 6}, 30, true);
    EXPECT_EQ(flame.elapsedTime, 1000u);
    EXPECT_EQ(flame.position.x, 5);
    EXPECT_EQ(flame.angle, 30);
    EXPECT_FLOAT_EQ(uniformValue(0, flame.uniformLocations[0]), 1.0f);
    flame.updateValue(0.75f, 1);
    EXPECT_FLOAT_EQ(uniformValue(0, flame.uniformLocations[1]), 0.75f);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
}

// A stand-in program 0 that puts each quad at x = z, so the pixels show
// which z values were sent.
TEST_F(EmitterTest, QuadsCarryTheParticleFractionInZ) {
    ScratchDir dir;
    writeFile("shader0.vs",
              "uniform float time_0_X; uniform float particleHCthrust;\n"
              "void main() { gl_Position = vec4(gl_Vertex.xy * 0.01 + vec2(gl_Vertex.z * 1.6 - 0.8, 0.0),"
              " 0.0, 1.0); }\n");
    writeFile("shader0.fs", "uniform sampler2D Flame; void main() { gl_FragColor = vec4(1.0); }\n");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    std::vector<GLuint> probe = readShaders();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    shaders = probe;
    EmitterDefinition definition = definitions[0];
    definition[0][0][0] = 4;
    Emitter emitter = quietEmitter(definition);
    startPixelFrame();
    emitter.update(0, true);
    // z = 0, 0.25, 0.5, 0.75 land at x = -0.8, -0.4, 0, 0.4; z = 1 (x = 0.8) is never sent.
    for (float x : {-0.8f, -0.4f, 0.0f, 0.4f}) {
        EXPECT_GT(readPixel(static_cast<int>((x + 1) * 640), 512).r, 200) << x;
    }
    EXPECT_EQ(readPixel(static_cast<int>(1.8f * 640), 512).r, 0);
    EXPECT_EQ(readPixel(static_cast<int>(1.2f * 640), 512).r, 0);
}

TEST_F(EmitterTest, FlameStreamsBehindTheShipAndGrowsWithThrust) {
    Emitter flame = quietEmitter(definitions[0]);
    point ship{1000, -500};
    flame.update(3000, true);
    long idle = flameBrightness(flame, 0, ship, 0);
    saveFrame("emitter_flame_idle");
    long full = flameBrightness(flame, 1, ship, 0);
    saveFrame("emitter_flame_full");
    EXPECT_GT(idle, 0);
    EXPECT_GT(full, 3 * idle);
    // Ship angle 0 turns the emitter 180 degrees: the flame goes down-screen.
    long behind = brightnessAround(point{ship.x, ship.y - 120}, ship, 20);
    long ahead = brightnessAround(point{ship.x, ship.y + 120}, ship, 20);
    EXPECT_GT(behind, 20 * 40 * 40);
    EXPECT_EQ(ahead, 0);
    // The flame ends within about 300 units of the ship (40 pixels are 156 units).
    EXPECT_EQ(brightnessAround(point{ship.x, ship.y - 500}, ship, 40), 0);
    EXPECT_EQ(brightnessAround(point{ship.x + 150, ship.y - 100}, ship, 20), 0);

    startGameFrame(ship, 1000);
    flame.update(16, true);
    saveFrame("emitter_flame_close");

    long turned = flameBrightness(flame, 1, ship, 90);
    saveFrame("emitter_flame_turned");
    EXPECT_GT(turned, 0);
    EXPECT_GT(brightnessAround(point{ship.x + 120, ship.y}, ship, 20), 20 * 40 * 40);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EmitterTest, WormholeSwirlsInsideItsRadius) {
    point hole{-2000, 3000};
    float radius = 600;
    startGameFrame(hole);
    Emitter swirl = quietEmitter(definitions[1]);
    swirl.updateValue(radius, 2);
    swirl.update(5000, hole, 0, true);
    saveFrame("emitter_wormhole");
    startGameFrame(hole, 1800);
    swirl.update(0, true);
    saveFrame("emitter_wormhole_close");
    startGameFrame(hole);
    swirl.update(0, true);
    long inside = brightnessAround(hole, hole, static_cast<int>(radius / 3.9f * 0.7f));
    EXPECT_GT(inside, 200000);
    point centre = worldToPixel(hole, hole);
    int ring = static_cast<int>(radius * 1.15f / 3.9f);
    long outside = brightness(0, 0, 1280, 1024) - brightness(static_cast<int>(centre.x) - ring,
                                                             static_cast<int>(centre.y) - ring,
                                                             2 * ring, 2 * ring);
    EXPECT_EQ(outside, 0);
    // Both halves of the disc are lit: particles go all the way round.
    EXPECT_GT(brightnessAround(point{hole.x - 300, hole.y}, hole, 40), 0);
    EXPECT_GT(brightnessAround(point{hole.x + 300, hole.y}, hole, 40), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EmitterTest, UnusableEmittersDrawAndSetNothing) {
    EmitterDefinition noSwirlProgram = definitions[1];
    std::vector<GLuint> onlyFlame{shaders[0]};
    struct Case {
        const char* what;
        EmitterDefinition definition;
        std::vector<GLuint> programs;
    };
    std::vector<Case> cases = {
        {"empty definition", EmitterDefinition{}, shaders},
        {"short section 0", EmitterDefinition{EmitterSection(5, EmitterRow{400})}, shaders},
        {"program not built", definitions[1], onlyFlame},
        {"no programs", definitions[0], {}},
    };
    for (Case& c : cases) {
        shaders = c.programs;
        Emitter emitter = quietEmitter(c.definition);
        EXPECT_TRUE(emitter.uniformLocations.empty()) << c.what;
        startGameFrame(point{0, 0});
        emitter.updateValue(300, 2);
        emitter.updateValue(1, 1);
        emitter.update(100, point{0, 0}, 0, true);
        EXPECT_EQ(emitter.elapsedTime, 100u);
        EXPECT_EQ(brightness(0, 0, 1280, 1024), 0) << c.what;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << c.what;
    }
}
