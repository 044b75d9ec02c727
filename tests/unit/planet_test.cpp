#include <gtest/gtest.h>

#include <cmath>

#include "WorldFixtures.h"
#include "world/Planet.h"

namespace {

const point origin{0, 0};

class PlanetTest : public WorldTest {
protected:
    // A planet parked on its star (orbit radius 0) sits still at the origin.
    static Planet parked(float radius, float density, float spinRate = 0) {
        return Planet(radius, density, 0, 0, 0, spinRate, 0, 10, "Rock");
    }

    // Two frames give an orbiting planet a real velocity (it starts at the origin).
    void warmUp(Planet& planet) {
        planet.update(world, &player, 16, origin);
        planet.update(world, &player, 16, origin);
    }
    // Where an orbiting planet will be after the next 16 ms frame, to within a fraction of a unit.
    static point nextPosition(const Planet& planet) {
        return point{planet.position.x + planet.velocity.x * 16, planet.position.y + planet.velocity.y * 16};
    }

    WorldState world;
    Player player = playerAt(point{50000, 50000}, 10);
};

TEST_F(PlanetTest, ConvertsDegreesWithTheGamesPiAndPrintsItsName) {
    testing::internal::CaptureStdout();
    Planet planet(1, 1, 1, 180, 90, 0.5f, 45, 10, "New Haven");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "New Haven\n");
    EXPECT_FLOAT_EQ(planet.orbitSpeed, 3.14f);
    EXPECT_FLOAT_EQ(planet.orbitAngle, 1.57f);
    EXPECT_EQ(planet.spinRate, 0.5f);
    EXPECT_EQ(planet.spinAngle, 45);

    testing::internal::CaptureStdout();
    Planet copy = planet;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(PlanetTest, AZeroLengthFrameChangesNothing) {
    Planet planet(50, 1, 300, 0.01f, 0, 0.1f, 0, 10, "Still");
    world.projectiles.push_back(shotAt(point{0, 0}, world));
    player.position = point{0, 0};
    planet.update(world, &player, 0, origin);
    EXPECT_EQ(planet.position.x, 0);
    EXPECT_EQ(planet.spinAngle, 0);
    EXPECT_EQ(planet.orbitAngle, 0);
    EXPECT_EQ(world.projectiles.size(), 1u);
    EXPECT_FALSE(player.isLanded());
}

TEST_F(PlanetTest, OrbitsSpinsAndReportsItsVelocity) {
    Planet planet(50, 0, 1000, 0.09f, 0, 0.02f, 10, 10, "Runner");
    planet.update(world, &player, 10, origin);
    point first = planet.position;
    planet.update(world, &player, 10, origin);
    EXPECT_FLOAT_EQ(planet.spinAngle, 10.4f);
    double angle = 2 * 10 * 0.09 * 3.14 / 180;
    EXPECT_NEAR(planet.position.x, 1000 * std::cos(angle), 0.01);
    EXPECT_NEAR(planet.position.y, 1000 * std::sin(angle), 0.01);
    EXPECT_NEAR(planet.velocity.x, (planet.position.x - first.x) / 10, 1e-6);
    EXPECT_NEAR(planet.velocity.y, (planet.position.y - first.y) / 10, 1e-6);
}

TEST_F(PlanetTest, SwallowsFromTheSurfaceInAndPullsOutToTheReach) {
    Planet planet = parked(100, 1);
    world.projectiles.push_back(shotAt(point{100, 0}, world));
    world.projectiles.push_back(shotAt(point{0, 1000}, world));
    world.ships.push_back(shipAt(point{0, 0}));
    planet.update(world, &player, 16, origin);
    ASSERT_EQ(world.projectiles.size(), 1u);
    EXPECT_NEAR(world.projectiles.front().velocity.y, -expectedPull(100, 1, 16, 1000), 1e-9);
    EXPECT_TRUE(world.ships.empty());
    EXPECT_EQ(world.timers.size(), 2u);
}

TEST_F(PlanetTest, FreePlayerIsPulledUntilTheSurface) {
    Planet planet = parked(100, 1);
    player.position = point{-500, 0};
    planet.update(world, &player, 16, origin);
    EXPECT_NEAR(player.getVelocity().x, expectedPull(100, 1, 16, 500), 1e-9);
    EXPECT_FALSE(player.isLanded());
}

struct TouchDown {
    float speed;
    size_t explosions;
    float damage;
};

class PlanetTouchDown : public PlanetTest, public testing::WithParamInterface<TouchDown> {};

// The surface distance is the player's radius (10) plus the planet's (100).
TEST_P(PlanetTouchDown, LandsAndCrashesByRelativeSpeed) {
    Planet planet = parked(100, 1);
    player.position = point{0, 110};
    player.setVelocity(point{0, -GetParam().speed});
    planet.update(world, &player, 16, origin);
    EXPECT_TRUE(player.isLanded());
    EXPECT_EQ(player.launchLock, 300);
    EXPECT_EQ(world.timers.size(), GetParam().explosions);
    EXPECT_FLOAT_EQ(player.getHealth(), 1000 - GetParam().damage);
    EXPECT_NEAR(planet.landingAngle, 1.5708, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Speeds, PlanetTouchDown,
                         testing::Values(TouchDown{0.5f, 0, 0}, TouchDown{1.0f, 1, 0},
                                         TouchDown{1.5f, 1, 50}));

// The planet moves at about 1.57 units/ms; a player matching that plus 0.5
// touches down gently although its own speed is well above 1.
TEST_F(PlanetTest, TouchDownSpeedIsMeasuredAgainstTheMovingSurface) {
    Planet planet(100, 1, 1000, 0.09f, 0, 0, 0, 10, "Runner");
    warmUp(planet);
    point next = nextPosition(planet);
    player.position = point{next.x, next.y + 100};
    player.setVelocity(point{planet.velocity.x, planet.velocity.y - 0.5f});
    planet.update(world, &player, 16, origin);
    EXPECT_TRUE(player.isLanded());
    EXPECT_TRUE(world.timers.empty());
}

TEST_F(PlanetTest, CarriesTheLandedPlayerRoundAsItSpins) {
    Planet planet = parked(100, 1, 0.09f);
    player.position = point{110, 0};
    planet.update(world, &player, 16, origin);
    ASSERT_TRUE(player.isLanded());

    planet.update(world, &player, 16, origin);
    float angle = 0.09f * 16 * 0.0174444f;
    EXPECT_NEAR(planet.landingAngle, angle, 1e-6);
    EXPECT_NEAR(player.position.x, 110 * std::cos(angle), 1e-3);
    EXPECT_NEAR(player.position.y, 110 * std::sin(angle), 1e-3);
    EXPECT_NEAR(player.angle, angle, 1e-6);
    EXPECT_NEAR(player.getVelocity().x, (player.position.x - 110) / 16, 1e-5);
    EXPECT_NEAR(player.getVelocity().y, player.position.y / 16, 1e-5);
}

TEST_F(PlanetTest, LandedPlayerRidesTheOrbitWithoutFeelingGravity) {
    Planet planet(100, 1, 1000, 0.09f, 0, 0, 0, 10, "Runner");
    warmUp(planet);
    point next = nextPosition(planet);
    player.position = point{next.x + 110, next.y};
    player.setLanded();

    planet.update(world, &player, 16, origin);
    planet.update(world, &player, 16, origin);
    EXPECT_NEAR(player.position.x, planet.position.x + 110, 1e-3);
    EXPECT_NEAR(player.position.y, planet.position.y, 1e-3);
    EXPECT_NEAR(player.getVelocity().x, planet.velocity.x, 1e-4);
    EXPECT_NEAR(player.getVelocity().y, planet.velocity.y, 1e-4);
}

TEST_F(PlanetTest, PlayerLandedElsewhereIsLeftAlone) {
    Planet planet = parked(100, 1);
    player.position = point{300, 0};  // within the reach, beyond 1.2 surface distances
    player.setLanded();
    planet.update(world, &player, 16, origin);
    EXPECT_EQ(player.position.x, 300);
    EXPECT_EQ(player.getVelocity().x, 0);
}

// Both planets hold the player; the one stepped last decides where it ends.
TEST_F(PlanetTest, TwoPlanetsCarryTheSamePlayerInTurn) {
    Planet first = parked(100, 1);
    Planet second(100, 1, 230, 0, 0, 0, 0, 10, "Twin");
    second.landingAngle = 3.14159f;
    player.position = point{115, 0};
    player.setLanded();
    first.update(world, &player, 16, origin);
    EXPECT_NEAR(player.position.x, 110, 1e-3);
    second.update(world, &player, 16, origin);
    EXPECT_NEAR(player.position.x, 120, 1e-3);
    EXPECT_NEAR(player.position.y, 0, 1e-3);
}

TEST_F(PlanetTest, PlayerAtTheExactCentreLandsWithFiniteValues) {
    Planet planet = parked(100, 1);
    player.position = point{0, 0};
    planet.update(world, &player, 16, origin);
    EXPECT_TRUE(player.isLanded());
    EXPECT_TRUE(std::isfinite(planet.landingAngle));
    planet.update(world, &player, 16, origin);
    EXPECT_TRUE(finite(player.position));
    EXPECT_TRUE(finite(player.getVelocity()));
}

}  // namespace
