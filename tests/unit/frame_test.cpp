#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Events.h"
#include "assets/EmitterData.h"
#include "assets/Font.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "world/Universe.h"

namespace {
// Advances the injected clock and runs the frame's timing step.
void frameAt(FrameState& state, Uint32& clock, Uint32 now) {
    clock = now;
    state.startFrame();
}

class FrameStateTest : public testing::Test {
protected:
    void SetUp() override { setTicksForTesting(&clock); }
    void TearDown() override { setTicksForTesting(nullptr); }

    Uint32 clock = 0;
    FrameState state;
};
}  // namespace

TEST_F(FrameStateTest, FpsLineWaitsForMoreThanOneSecond) {
    for (Uint32 t = 10; t <= 1000; t += 10) {
        frameAt(state, clock, t);
    }
    EXPECT_EQ(state.fpsText, "");  // exactly 1000 ms summed: not yet
    frameAt(state, clock, 1010);
    // 101 frames over 1010 ms.
    EXPECT_EQ(state.fpsText, "FPS: 100");
    EXPECT_EQ(state.fpsFrames, 0);
    EXPECT_EQ(state.fpsTimeMs, 0);
}

TEST_F(FrameStateTest, FpsAboveAThousandShowsExponentForm) {
    frameAt(state, clock, 1);
    for (int i = 0; i < 1500; ++i) {
        frameAt(state, clock, 1);  // zero-length frames
    }
    frameAt(state, clock, 1002);
    EXPECT_EQ(state.fpsText, "FPS: 1.5e+03");
}

TEST_F(FrameStateTest, FrameTimeCountsFromThePreviousClock) {
    state.clockTime = 500;
    frameAt(state, clock, 517);
    EXPECT_EQ(state.frameTime, 17);
    EXPECT_EQ(state.clockTime, 517u);
}

TEST_F(FrameStateTest, SpawnFollowsTheTickCountStrictly) {
    state.spawnTicks = 1000;
    state.clockTime = 1500;
    EXPECT_FALSE(state.takeSpawn());  // exactly the interval: not yet
    state.clockTime = 1501;
    EXPECT_TRUE(state.takeSpawn());
    EXPECT_EQ(state.spawnTicks, 1501u);
    EXPECT_FALSE(state.takeSpawn());
    // An interval shorter than the frame spawns once per frame, never more.
    state.spawnIntervalMs = 1;
    state.clockTime = 1600;
    EXPECT_TRUE(state.takeSpawn());
    EXPECT_FALSE(state.takeSpawn());
}

TEST_F(FrameStateTest, ViewRectangleAndCursorFollowTheCentre) {
    ViewRect view = state.camera.viewRect(point{1000, -2000});
    EXPECT_FLOAT_EQ(view.left, 1000 - 2500);
    EXPECT_FLOAT_EQ(view.right, 1000 + 2500);
    EXPECT_FLOAT_EQ(view.bottom, -2000 - 2000);
    EXPECT_FLOAT_EQ(view.top, -2000 + 2000);
    point aim = state.cursorInWorld(point{1000, -2000});
    EXPECT_FLOAT_EQ(aim.x, 1000);
    EXPECT_FLOAT_EQ(aim.y, -2000);
    state.cursor = point{100, 0};
    aim = state.cursorInWorld(point{0, 0});
    EXPECT_FLOAT_EQ(aim.x, 2500);
    EXPECT_FLOAT_EQ(aim.y, -2000);
}

TEST_F(FrameStateTest, CursorMovesWithSensitivityAndIsClamped) {
    state.moveCursor(100, 100);  // right and down on screen
    EXPECT_FLOAT_EQ(state.cursor.x, 65);
    EXPECT_FLOAT_EQ(state.cursor.y, 35);
    state.moveCursor(5000, -5000);
    EXPECT_FLOAT_EQ(state.cursor.x, 100);
    EXPECT_FLOAT_EQ(state.cursor.y, 100);
    state.moveCursor(-100000, 100000);
    EXPECT_FLOAT_EQ(state.cursor.x, 0);
    EXPECT_FLOAT_EQ(state.cursor.y, 0);
}

TEST(Input, KeysChangeTheirSettingsAndTheDepthKeysStopAtTheirEnds) {
    FrameState state;
    Player player(point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40);
    applyKeyPress(SDLK_MINUS, state, player);
    applyKeyPress(SDLK_MINUS, state, player);
    EXPECT_FLOAT_EQ(state.spawnIntervalMs, 2000);
    for (int i = 0; i < 4; ++i) {
        applyKeyPress(SDLK_EQUALS, state, player);
    }
    EXPECT_FLOAT_EQ(state.spawnIntervalMs, 125);
    // Held down long enough the interval would reach 0 and never come back.
    for (int i = 0; i < 500; ++i) applyKeyPress(SDLK_EQUALS, state, player);
    applyKeyPress(SDLK_MINUS, state, player);
    EXPECT_GT(state.spawnIntervalMs, 0.0015f);
    state.spawnIntervalMs = 125;
    applyKeyPress(SDLK_n, state, player);
    EXPECT_FLOAT_EQ(state.camera.nearScale, 1.2f);
    applyKeyPress(SDLK_m, state, player);
    applyKeyPress(SDLK_m, state, player);
    EXPECT_NEAR(state.camera.nearScale, 1 / 1.2f, 1e-6);
    applyKeyPress(SDLK_x, state, player);
    EXPECT_FLOAT_EQ(state.camera.farScale, 1.2f);
    applyKeyPress(SDLK_c, state, player);
    EXPECT_NEAR(state.camera.farScale, 1.0f, 1e-6);
    for (int i = 0; i < 500; ++i) {  // a key held down stops at its end
        applyKeyPress(SDLK_x, state, player);
        applyKeyPress(SDLK_m, state, player);
    }
    EXPECT_EQ(state.camera.farScale, 40);
    EXPECT_EQ(state.camera.nearScale, 1 / 40.0f);
    // The ship takes the weapon keys as its next command.
    auto obey = [&] { player.update(0, state.command); };
    applyKeyPress(SDLK_3, state, player);
    obey();
    EXPECT_EQ(player.weapon, 2);
    applyKeyPress(SDLK_2, state, player);
    obey();
    EXPECT_EQ(player.weapon, 1);
    applyKeyPress(SDLK_1, state, player);
    obey();
    EXPECT_EQ(player.weapon, 0);
    state.command = ShipCommand{};
    applyKeyPress(SDLK_k, state, player);  // unmapped keys change nothing
    obey();
    EXPECT_EQ(player.weapon, 0);
}

TEST(Input, WheelZoomsAndOtherButtonsDoNothing) {
    FrameState state;
    Player player(point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40);
    for (int i = 0; i < 3; ++i) {
        applyMouseButton(SDL_BUTTON_WHEELUP, state, player);
    }
    EXPECT_NEAR(state.camera.viewHeight, 4000 / std::pow(1.2, 3), 0.01);
    applyMouseButton(SDL_BUTTON_LEFT, state, player);
    applyMouseButton(SDL_BUTTON_RIGHT, state, player);
    applyMouseButton(SDL_BUTTON_MIDDLE, state, player);
    EXPECT_NEAR(state.camera.viewHeight, 2314.8, 0.1);
    applyMouseButton(SDL_BUTTON_WHEELDOWN, state, player);
    EXPECT_NEAR(state.camera.viewHeight, 4000 / 1.44, 0.01);
    for (int i = 0; i < 500; ++i) applyMouseButton(SDL_BUTTON_WHEELUP, state, player);  // a free-spinning wheel
    EXPECT_EQ(state.camera.viewHeight, 100);
}

TEST(Input, EventNamesCoverEveryType) {
    SDL_Event event{};
    testing::internal::CaptureStdout();
    event.type = SDL_KEYDOWN;
    eventTypeDisp(event);
    event.type = 13;
    eventTypeDisp(event);
    event.type = 14;
    eventTypeDisp(event);
    event.type = SDL_VIDEOEXPOSE;
    eventTypeDisp(event);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "<KEY DOWN>\n<SOME KIND OF UNHANDLED WINDOW MANAGER EVENT>\n<Unusual SDL event>\n"
              "<VIDEOEXPOSE>\n");
}

TEST(Spawn, NewShipsAppearFarFromThePlayerAtTheFront) {
    SHIPDATA.assign(2, std::vector<float>{1, 0.01f, 1, 100, 50});
    Player player(point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40);
    Universe universe;
    universe.worlds.emplace_back();
    universe.player = &player;
    for (int i = 0; i < 300; ++i) {
        spawnEnemy(universe);
        ASSERT_GE(pointDistance(universe.worlds[0].ships.front().position, player.position),
                  20000.0f);
    }
    EXPECT_EQ(universe.worlds[0].ships.size(), 300u);
}

namespace {
// The real frame loop on one world, with an injected clock and no keys held.
class FrameLoopTest : public GlobalTablesTest {
protected:
    void SetUp() override {
        GlobalTablesTest::SetUp();
        SHIPDATA.assign(2, std::vector<float>{0, 0, 0, 100, 10});
        WEAPONDATA.assign(3, std::vector<float>{100, 1, 1000, 10});
        setTicksForTesting(&clock);
        universe.worlds.emplace_back();
        universe.player = &player;
        state.clockTime = state.spawnTicks = clock;
    }
    void TearDown() override {
        setTicksForTesting(nullptr);
        GlobalTablesTest::TearDown();
    }

    Uint32 clock = 1000;
    Universe universe;
    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 45};
    FrameState state;
    Font font{"no-font.ttf"};
};
}  // namespace

// A fast-spinning planet carries the landed ship some 30 pixels in a 50 ms
// frame, after the camera was set: the cursor must still be drawn where it
// aims, at its place on the screen.
TEST_F(FrameLoopTest, CursorIsDrawnWhereItAimsWhileLandedOnASpinningPlanet) {
    // A magenta cursor on a black sky (it is drawn adding light).
    const unsigned char magenta[4] = {255, 0, 255, 255}, black[4] = {0, 0, 0, 255};
    glEnable(GL_TEXTURE_2D);
    for (auto [slot, colour] : {std::pair{cursorTexture, magenta}, std::pair{dustTexture, black}}) {
        glGenTextures(1, &textures[slot]);
        glBindTexture(GL_TEXTURE_2D, textures[slot]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, colour);
    }
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    Star star(point{0, 0}, 100, 0.01f, 0, 14, "Hub");
    // Orbit radius 3000 at angle 0 and no orbit speed: the planet stays at (3000, 0).
    star.addPlanet(Planet(500, 0.01f, 3000, 0, 0, 0.25f, 0, 10, "Spinner"));
    universe.worlds[0].stars.push_back(star);
    player.position = point{3545, 0};
    player.setLanded();
    state.spawnIntervalMs = 1e9f;
    for (int frame = 0; frame < 3; ++frame) {
        clock += 50;
        glClear(GL_COLOR_BUFFER_BIT);
        point before = player.position;
        drawFrame(state, universe, font);
        ASSERT_GT(pointDistance(before, player.position), 100.0f) << "the planet did not carry the ship";
        // The 60-unit sprite is 15 pixels wide: lit 6 pixels from its centre each way, dark at 9.
        auto magentaAt = [&](float dx, float dy) {
            Rgba p = readPixel(int(state.cursor.x / 100 * w + dx), int(state.cursor.y / 100 * h + dy));
            return p.r > 200 && p.g < 60 && p.b > 200;
        };
        for (float d : {-6.0f, 6.0f}) {
            EXPECT_TRUE(magentaAt(d, 0) && magentaAt(0, d)) << "frame " << frame;
            EXPECT_FALSE(magentaAt(1.5f * d, 0) || magentaAt(0, 1.5f * d)) << "frame " << frame;
        }
    }
}

// Five seconds paused: the frame after resuming steps the world by its own
// 20 ms only, so nothing spawns, no timed event runs out, and the ship moves
// as far as in any 20 ms frame.
TEST_F(FrameLoopTest, NoPausedTimeReachesTheWorld) {
    player.setVelocity(point{1, 0});
    standardExplosion(point{500, 0}, universe.worlds[0], 1000);
    auto frameAfter = [&](Uint32 ms) {
        clock += ms;
        runFrame(state, universe, font);
    };
    testing::internal::CaptureStdout();
    frameAfter(20);
    state.pause.wanted = true;
    frameAfter(20);
    ASSERT_TRUE(state.pause.paused);
    float pausedAt = player.position.x;
    frameAfter(5000);
    EXPECT_EQ(player.position.x, pausedAt);
    state.pause.wanted = false;
    frameAfter(0);
    EXPECT_FALSE(state.pause.paused);
    frameAfter(20);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(state.frameTime, 20);
    EXPECT_FLOAT_EQ(player.position.x - pausedAt, 20);
    EXPECT_TRUE(universe.worlds[0].ships.empty());
    EXPECT_EQ(universe.worlds[0].timers.size(), 1u);
}
