#include <GL/glew.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CombatTestData.h"
#include "TestSupport.h"
#include "assets/Textures.h"
#include "combat/TExplosion.h"
#include "combat/TShockwave.h"
#include "combat/Timers.h"
#include "world/WorldState.h"

namespace {

// Records the ticks it runs at.
class Probe : public TimerBase {
public:
    Probe(int start, int end, std::vector<int>* runs) : runs(runs) {
        startTime = start;
        endTime = end;
    }
    void execute(int now, WorldState&) override { runs->push_back(now); }
    std::vector<int>* runs;
};

std::unique_ptr<Probe> probe(int start, int end, std::vector<int>* runs) {
    return std::make_unique<Probe>(start, end, runs);
}

}  // namespace

TEST(RunTimer, RunsInsideStartExclusiveEndInclusive) {
    WorldState world;
    std::vector<int> runs, waiting;
    world.timers.push_back(probe(150, 200, &runs));
    world.timers.push_back(probe(0, 0, &waiting));  // behind a later start, so it waits
    for (int now : {100, 150, 151, 200, 201}) runTimer(now, world);
    EXPECT_EQ(runs, (std::vector<int>{151, 200}));
    EXPECT_EQ(waiting, (std::vector<int>{150, 151, 200, 201}));
    EXPECT_EQ(world.timers.size(), 1u);
}

TEST(RunTimer, DeletesNeighbouringExpiredEventsAndRunsTheNext) {
    WorldState world;
    std::vector<int> expired, live;
    world.timers.push_back(probe(0, 50, &expired));
    world.timers.push_back(probe(0, 60, &expired));
    world.timers.push_back(probe(0, 500, &live));
    runTimer(100, world);
    EXPECT_TRUE(expired.empty());
    EXPECT_EQ(live, (std::vector<int>{100}));
    EXPECT_EQ(world.timers.size(), 1u);
}

TEST(AddTimer, InsertsBeforeTheFirstEqualOrLaterStart) {
    WorldState world;
    std::vector<int> runs;
    for (int start : {500, 700, 900, 0}) addTimer(probe(start, 0, &runs), world);
    addTimer(probe(700, 1, &runs), world);
    std::vector<int> order;
    for (const auto& event : world.timers) order.push_back(event->startTime * 10 + event->endTime);
    EXPECT_EQ(order, (std::vector<int>{0, 5000, 7001, 7000, 9000}));
}

using TExplosionDrawing = GlobalTablesTest;

// A 2x2 texture lit only in its top row shows which way each layer is turned.
TEST_F(TExplosionDrawing, ShrinksAndTurnsBothLayers) {
    const unsigned char pixels[16] = {0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255};
    GLuint topHalf;
    glGenTextures(1, &topHalf);
    glBindTexture(GL_TEXTURE_2D, topHalf);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    textures[explosionTexture] = topHalf;
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    WorldState world;
    TExplosion explosion(5000, 1000, point{640, 512});

    startPixelFrame();
    explosion.execute(5000, world);
    EXPECT_GT(brightness(600, 522, 80, 30), 0);
    EXPECT_EQ(brightness(600, 472, 80, 30), 0);

    startPixelFrame();
    explosion.execute(5500, world);
    saveFrame("explosion_half_way");
    // Half-size 25; at 180 degrees one layer lights the bottom half, at -90 the
    // other lights the right half, so only the top-left quarter stays dark.
    EXPECT_GT(brightness(620, 492, 15, 15), 0);
    EXPECT_GT(brightness(645, 517, 15, 15), 0);
    EXPECT_EQ(brightness(620, 517, 15, 15), 0);
    EXPECT_EQ(brightness(668, 472, 20, 80), 0);

    glDisable(GL_TEXTURE_2D);
    glDeleteTextures(1, &topHalf);
}

using TShockwaveDamage = CombatTest;

TEST_F(TShockwaveDamage, GrowsAndHurtsShipsInsidePerMillisecond) {
    WorldState world;
    for (point at : {point{100, 0}, point{0, 155}, point{-157, 0}}) world.ships.emplace_back(at, 1);
    Ship& near = world.ships.front();
    Ship& edge = *std::next(world.ships.begin());
    Ship& outside = world.ships.back();
    TShockwave wave(200, 10000, 2000, point{0, 0});

    for (int now : {10000, 10500}) wave.execute(now, world);  // radius 78 at 10500
    EXPECT_FLOAT_EQ(near.health, 100);
    wave.execute(10700, world);  // radius 109.2: 200 ms since the last run
    EXPECT_NEAR(near.health, 80, 1e-4);
    wave.execute(10716, world);
    EXPECT_NEAR(near.health, 78.4f, 1e-4);
    wave.execute(11000, world);  // radius 156
    EXPECT_LT(edge.health, 100);
    EXPECT_FLOAT_EQ(outside.health, 100);
    wave.execute(12000, world);  // radius 312
    EXPECT_LT(outside.health, 100);
}
