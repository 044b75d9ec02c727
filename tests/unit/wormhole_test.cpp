#include <gtest/gtest.h>

#include "WorldFixtures.h"
#include "world/WorldStep.h"
#include "world/Wormhole.h"

namespace {

const int swirl = 1;

class WormholeTest : public UniverseTest {
protected:
    void SetUp() override {
        UniverseTest::SetUp();
        player.position = point{0, 0};
    }

    void addWormhole(int from, point at, float radius, int to, point exit) {
        universe.worlds[from].wormholes.push_back(Wormhole(from, at, radius, to, exit, swirl));
    }

    // The re-arming that the player's own update does at the start of every
    // frame, followed by the wormhole pass.
    void frame() {
        if (player.clearOfWormholes) {
            player.warpArmed = true;
        }
        player.clearOfWormholes = true;
        processWormholes(universe, 5000);
    }
};

TEST_F(WormholeTest, TakesAPlayerOnTheCaptureCircleAndEmptiesTheDepartureWorld) {
    addWormhole(0, point{100, 0}, 50, 2, point{7000, -300});
    player.position = point{150, 0};
    player.setVelocity(point{0.25f, -0.5f});
    universe.worlds[0].projectiles.push_back(shotAt(point{0, 0}, universe.worlds[0]));
    universe.worlds[2].projectiles.push_back(shotAt(point{0, 0}, universe.worlds[2]));
    universe.worlds[0].ships.push_back(shipAt(point{0, 0}));

    frame();

    EXPECT_EQ(player.getWorld(), 2);
    EXPECT_EQ(player.position.x, 7000);
    EXPECT_EQ(player.position.y, -300);
    EXPECT_EQ(player.getVelocity().x, 0.25f);
    EXPECT_EQ(player.getVelocity().y, -0.5f);
    EXPECT_FALSE(player.warpArmed);
    EXPECT_TRUE(universe.worlds[0].projectiles.empty());
    EXPECT_EQ(universe.worlds[0].ships.size(), 1u);
    EXPECT_EQ(universe.worlds[2].projectiles.size(), 1u);
    EXPECT_EQ(&universe.currentWorld(), &universe.worlds[2]);
}

TEST_F(WormholeTest, LeavesAPlayerJustOutsideAlone) {
    addWormhole(0, point{100, 0}, 50, 2, point{7000, 0});
    player.position = point{150.01f, 0};
    universe.worlds[0].projectiles.push_back(shotAt(point{0, 0}, universe.worlds[0]));
    frame();
    EXPECT_EQ(player.getWorld(), 0);
    EXPECT_TRUE(player.clearOfWormholes);
    EXPECT_EQ(universe.worlds[0].projectiles.size(), 1u);
}

// Arriving inside the way back must not bounce the player straight home: it
// has to leave, spend a whole frame outside, and come back in.
TEST_F(WormholeTest, ArrivingInsideAWormholeNeedsAFrameOutsideBeforeTheNextJump) {
    addWormhole(0, point{0, 0}, 100, 1, point{5000, 5000});
    addWormhole(1, point{5000, 5000}, 100, 0, point{0, 1000});

    frame();
    ASSERT_EQ(player.getWorld(), 1);
    frame();
    frame();
    EXPECT_EQ(player.getWorld(), 1);
    EXPECT_FALSE(player.warpArmed);

    player.position = point{5000, 5200};  // out
    frame();
    EXPECT_FALSE(player.warpArmed);  // re-armed only by the next frame's update
    player.position = point{5000, 5050};  // straight back in
    frame();
    EXPECT_EQ(player.getWorld(), 0);
    EXPECT_EQ(player.position.y, 1000);
}

TEST_F(WormholeTest, OfTwoOverlappingWormholesOnlyTheFirstCarries) {
    addWormhole(0, point{0, 0}, 100, 1, point{300, 0});
    addWormhole(0, point{10, 0}, 100, 2, point{0, 0});
    addWormhole(0, point{300, 0}, 100, 2, point{0, 0});  // covers the first one's exit
    frame();
    EXPECT_EQ(player.getWorld(), 1);
    EXPECT_EQ(player.position.x, 300);
    EXPECT_FALSE(player.warpArmed);
    EXPECT_FALSE(player.clearOfWormholes);  // the third still held it
}

TEST_F(WormholeTest, AJumpWithinTheSameWorldStillClearsItsShots) {
    addWormhole(1, point{0, 0}, 100, 1, point{9000, 0});
    player.warpWorld(1);
    universe.worlds[1].projectiles.push_back(shotAt(point{0, 0}, universe.worlds[1]));
    frame();
    EXPECT_EQ(player.getWorld(), 1);
    EXPECT_EQ(player.position.x, 9000);
    EXPECT_TRUE(universe.worlds[1].projectiles.empty());
}

TEST_F(WormholeTest, TheStoredWormholeNeverChanges) {
    addWormhole(0, point{0, 0}, 100, 1, point{300, 0});
    processWormholes(universe, 90000);
    processWormholes(universe, 90016);
    const Wormhole& stored = universe.worlds[0].wormholes[0];
    EXPECT_EQ(stored.effect.elapsedTime, 0u);
    EXPECT_EQ(stored.position.x, 0);
    EXPECT_EQ(stored.captureRadius, 100);
}

TEST_F(WormholeTest, EachFrameTheEffectStartsFromTheClock) {
    Wormhole wormhole(0, point{40, 50}, 100, 1, point{0, 0}, swirl);
    player.position = point{9000, 9000};
    int clock = 90000;
    wormhole.update(universe, clock);
    EXPECT_EQ(wormhole.effect.elapsedTime, 90000u);
    EXPECT_EQ(wormhole.effect.position.x, 40);
    EXPECT_EQ(wormhole.effect.angle, 0);
    EXPECT_EQ(clock, 90000);
}

}  // namespace
