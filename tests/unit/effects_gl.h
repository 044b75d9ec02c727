#pragma once
// Shared by the effect tests: the shipped programs and particle image loaded
// from a scratch copy of the data, and the game's perspective camera.

#include <GL/glew.h>
#include <SOIL/SOIL.h>
#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "assets/Shaders.h"
#include "assets/Textures.h"
#include "core/point.h"

// Game units per pixel when the view is `viewHeight` units tall.
inline float unitsPerPixel(float viewHeight) { return viewHeight / 1024.0f; }

// Builds `shaders` and the flame's texture slot from the data folder, inside a
// scratch directory that lives as long as the returned handle.
inline std::unique_ptr<ScratchDir> loadEffectData() {
    auto dir = std::make_unique<ScratchDir>();
    for (const char* name : {"shader0.vs", "shader0.fs", "shader1.vs", "shader1.fs", "shader2.vs",
                             "shader2.fs", "flame.tga", "emitterShade0.txt", "emitterShade1.txt"}) {
        copyDataFile(name);
    }
    shaders = readShaders();
    glEnable(GL_TEXTURE_2D);
    textures[flameTexture] = SOIL_load_OGL_texture("flame.tga", SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID,
                                         SOIL_FLAG_INVERT_Y);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return dir;
}

// The frame loop's camera centred on `eye`, additive blending, cleared frame.
inline void startGameFrame(point eye, float viewHeight = 4000.0f) {
    useGameCamera(eye.x, eye.y, viewHeight);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Window pixel of a world point under startGameFrame(eye, viewHeight).
inline point worldToPixel(point p, point eye, float viewHeight = 4000.0f) {
    float scale = unitsPerPixel(viewHeight);
    return point{640 + (p.x - eye.x) / scale, 512 + (p.y - eye.y) / scale};
}

// Brightness of a square of pixels centred on a world point.
inline long brightnessAround(point world, point eye, int halfSize, float viewHeight = 4000.0f) {
    point p = worldToPixel(world, eye, viewHeight);
    return brightness(static_cast<int>(p.x) - halfSize, static_cast<int>(p.y) - halfSize,
                      2 * halfSize, 2 * halfSize);
}

// A suite that works on the shipped programs; each test may change them and
// the tables, and gets them back afterwards.
class EffectDataTest : public GlobalTablesTest {
protected:
    static void SetUpTestSuite() {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        data = loadEffectData();
        testing::internal::GetCapturedStderr();
        testing::internal::GetCapturedStdout();
    }
    static void TearDownTestSuite() { data.reset(); }

    inline static std::unique_ptr<ScratchDir> data;
};
