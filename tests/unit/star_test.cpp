#include <gtest/gtest.h>

#include "WorldFixtures.h"
#include "world/Star.h"

namespace {

class StarTest : public WorldTest {
protected:
    // Radius 100, density 1: reach 1000.
    Star star{point{0, 0}, 100, 1, 0, 14, "Sun"};
    WorldState world;
    Player player = playerAt(point{50000, 50000});
};

TEST_F(StarTest, SwallowsShotsFromTheRimInwardAndPullsTheRestUpToTheReach) {
    world.projectiles.push_back(shotAt(point{100, 0}, world));     // on the rim
    world.projectiles.push_back(shotAt(point{0, 100.5f}, world));  // just outside
    world.projectiles.push_back(shotAt(point{-1000, 0}, world));   // at the reach
    world.projectiles.push_back(shotAt(point{0, -1001}, world));   // beyond it
    star.update(world, &player, 16);

    ASSERT_EQ(world.projectiles.size(), 3u);
    EXPECT_EQ(world.timers.size(), 1u);
    auto it = world.projectiles.begin();
    EXPECT_EQ(it->velocity.x, 0);
    EXPECT_NEAR(it->velocity.y, -expectedPull(100, 1, 16, 100.5), 1e-6);
    ++it;
    EXPECT_NEAR(it->velocity.x, expectedPull(100, 1, 16, 1000), 1e-9);
    EXPECT_EQ(it->velocity.y, 0);
    ++it;
    EXPECT_EQ(it->velocity.x, 0);
    EXPECT_EQ(it->velocity.y, 0);
}

TEST_F(StarTest, ShipsAreSwallowedOrPulledLikeShots) {
    world.ships.push_back(shipAt(point{0, -100}));
    world.ships.push_back(shipAt(point{1000, 0}));
    star.update(world, &player, 16);
    ASSERT_EQ(world.ships.size(), 1u);
    EXPECT_EQ(world.timers.size(), 1u);
    EXPECT_NEAR(world.ships.front().velocity.x, -expectedPull(100, 1, 16, 1000), 1e-9);
}

// Neighbours, and the last element, must all go in one pass.
TEST_F(StarTest, RemovesNeighbouringAndLastVictimsInOnePass) {
    for (float x : {0.0f, 10.0f, 5000.0f, 20.0f, 30.0f}) {
        world.projectiles.push_back(shotAt(point{x, 0}, world));
        world.ships.push_back(shipAt(point{0, x}));
    }
    star.update(world, &player, 16);
    ASSERT_EQ(world.projectiles.size(), 1u);
    EXPECT_EQ(world.projectiles.front().position.x, 5000);
    ASSERT_EQ(world.ships.size(), 1u);
    EXPECT_EQ(world.ships.front().position.y, 5000);
    EXPECT_EQ(world.timers.size(), 8u);
}

TEST_F(StarTest, PlayerAtTheReachIsNotPulledButJustInsideIs) {
    player.position = point{1000, 0};
    star.update(world, &player, 16);
    EXPECT_EQ(player.getVelocity().x, 0);

    player.position = point{999, 0};
    star.update(world, &player, 16);
    EXPECT_NEAR(player.getVelocity().x, -expectedPull(100, 1, 16, 999), 1e-9);
}

TEST_F(StarTest, PlayerInsideBurnsOncePerFrameAndIsStillPulled) {
    player.position = point{0, 50};
    star.update(world, &player, 16);
    star.update(world, &player, 16);
    EXPECT_EQ(world.timers.size(), 2u);
    EXPECT_NEAR(player.getVelocity().y, -2 * expectedPull(100, 1, 16, 50), 1e-6);
    EXPECT_EQ(player.getVelocity().x, 0);
}

TEST_F(StarTest, PlayerAtTheExactCentreBurnsWithoutGoingNaN) {
    player.position = point{0, 0};
    star.update(world, &player, 16);
    EXPECT_EQ(world.timers.size(), 1u);
    EXPECT_TRUE(finite(player.getVelocity()));
    EXPECT_TRUE(finite(player.position));
}

TEST_F(StarTest, LandedPlayerFeelsNoPull) {
    player.position = point{300, 0};
    player.setLanded();
    star.update(world, &player, 16);
    EXPECT_EQ(player.getVelocity().x, 0);
    EXPECT_EQ(player.getVelocity().y, 0);
}

TEST_F(StarTest, ZeroDensityStillBurnsButNeverPulls) {
    Star dead(point{0, 0}, 100, 0, 0, 14, "Cinder");
    world.projectiles.push_back(shotAt(point{50, 0}, world));
    world.projectiles.push_back(shotAt(point{150, 0}, world));
    player.position = point{150, 0};
    dead.update(world, &player, 16);
    ASSERT_EQ(world.projectiles.size(), 1u);
    EXPECT_EQ(world.projectiles.front().velocity.x, 0);
    EXPECT_EQ(player.getVelocity().x, 0);
}

TEST_F(StarTest, StepsItsPlanetsAroundItsOwnCentre) {
    Star sun(point{1000, 0}, 10, 0, 0, 14, "Sun");
    testing::internal::CaptureStdout();
    sun.addPlanet(Planet(5, 0, 100, 0, 90, 0, 0, 10, "Moon"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Moon\n");
    sun.update(world, &player, 16);
    EXPECT_NEAR(sun.planets[0].position.x, 1000.08, 0.01);
    EXPECT_NEAR(sun.planets[0].position.y, 100.0, 0.01);
}

}  // namespace
