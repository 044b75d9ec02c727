#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "CombatTestData.h"
#include "combat/Player.h"
#include "combat/TShockwave.h"
#include "world/WorldState.h"

namespace {

class ShootTest : public CombatTest {
protected:
    Ship& addShip(point at) {
        world.ships.emplace_back(at, 1);
        return world.ships.back();
    }
    void laser(point target, int dt = 16) {
        player.weapon = 1;
        player.shoot(1000, world, target, dt);
    }

    WorldState world;
    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
};

}  // namespace

TEST_F(ShootTest, GunsShareOneCooldown) {
    point target{0, 1000};
    for (unsigned now : {1000u, 1100u, 1200u}) player.shoot(now, world, target, 16);
    EXPECT_EQ(world.projectiles.size(), 1u);
    EXPECT_FLOAT_EQ(player.nextShotTime, 1200);
    player.weapon = 2;
    player.shoot(1216, world, target, 16);
    ASSERT_EQ(world.projectiles.size(), 2u);
    EXPECT_EQ(world.projectiles.front().weapon, 2);
    EXPECT_FLOAT_EQ(player.nextShotTime, 1916);
}

TEST_F(ShootTest, DeadZoneComparesTruncatedCoordinates) {
    player.position = point{100, 100};
    player.shoot(1000, world, point{120, 80}, 16);
    player.position = point{-0.5f, 0};  // truncates to 0, so 20.5 is 20 away
    player.shoot(1000, world, point{20.5f, 0}, 16);
    EXPECT_TRUE(world.projectiles.empty());
    EXPECT_FLOAT_EQ(player.nextShotTime, 0);
    player.position = point{100, 100};
    player.shoot(1000, world, point{121, 100}, 16);
    EXPECT_EQ(world.projectiles.size(), 1u);
    // An aim past int's range is far from the ship, not a conversion fault.
    player.shoot(2000, world, point{-3e9f, 5e20f}, 16);
    EXPECT_EQ(world.projectiles.size(), 2u);
}

TEST_F(ShootTest, ShotGoesInFrontCarryingTheShipVelocity) {
    world.projectiles.emplace_back(point{9, 9}, 1.0f, 0.0f, 1.0f, world, 0, true, 100, 0.0f, 0.0f);
    player.velocity = point{0.5f, 0};
    player.shoot(1000, world, point{0, 100}, 16);
    ASSERT_EQ(world.projectiles.size(), 2u);
    EXPECT_FLOAT_EQ(world.projectiles.front().velocity.x, 0.5f);
    EXPECT_FLOAT_EQ(world.projectiles.front().velocity.y, 1.0f);
    EXPECT_EQ(world.projectiles.front().lifetime, 1000);
}

TEST_F(ShootTest, WeaponNumberAboveThreeIsReportedOnceAndReset) {
    player.weapon = 4;
    testing::internal::CaptureStdout();
    player.shoot(1000, world, point{0, 100}, 16);
    player.shoot(1001, world, point{0, 100}, 16);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error, weapon number exceeded\n");
    EXPECT_EQ(world.projectiles.size(), 1u);  // only the second call fires
}

TEST_F(ShootTest, LaserDamagesOnlyTheNearerShipPerMillisecond) {
    Ship& near = addShip(point{300, 20});
    Ship& far = addShip(point{500, 0});
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(near.health, 92);
    EXPECT_FLOAT_EQ(far.health, 100);
    EXPECT_TRUE(world.projectiles.empty());
}

TEST_F(ShootTest, LaserIsStoppedByANearerStarOrPlanet) {
    Ship& ship = addShip(point{300, 0});
    world.stars.emplace_back(point{200, 0}, 100.0f, 1.0f, 0.0f, 0, "Blocker");
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(ship.health, 100);
    world.stars.front().position = point{400, 0};  // behind the ship
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(ship.health, 92);
    world.stars.front().position = point{0, 50000};
    world.stars.front().planets.emplace_back(60, 1, 0, 0, 0, 0, 0, 0, "Moon");
    world.stars.front().planets.front().position = point{150, 0};
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(ship.health, 92);
}

TEST_F(ShootTest, LaserEndsOnTheWorldBound) {
    // Aimed at (2, 1) the beam leaves the world at (100000, 50000).
    Ship& beyond = addShip(point{150000, 75000});
    laser(point{200, 100}, 10);
    EXPECT_FLOAT_EQ(beyond.health, 100);
    Ship& atEdge = addShip(point{100040, 50020});
    laser(point{200, 100}, 10);
    EXPECT_FLOAT_EQ(atEdge.health, 95);
    // Aimed at its own centre it has no direction and harms nothing.
    Ship& onTop = addShip(point{10, 0});
    laser(player.position);
    EXPECT_FLOAT_EQ(onTop.health, 100);
}

TEST_F(ShootTest, UpgradesFanTheGunHastenAndHardenItReachTheLaserAndPullShipsIntoTheShockwave) {
    player.upgrades.gunSpread = 2;
    player.upgrades.gunRate = 2;
    player.upgrades.gunDamage = 1.5f;
    player.shoot(1000, world, point{0, 1000}, 16);
    ASSERT_EQ(world.projectiles.size(), 3u);
    std::vector<float> headings;
    for (const Projectile& shot : world.projectiles) {
        headings.push_back(std::atan2(shot.velocity.x, shot.velocity.y));
        EXPECT_FLOAT_EQ(shot.damage, 37.5f);
    }
    std::sort(headings.begin(), headings.end());
    EXPECT_NEAR(headings[0], -0.1f, 1e-4);
    EXPECT_NEAR(headings[1], 0, 1e-4);
    EXPECT_NEAR(headings[2], 0.1f, 1e-4);
    EXPECT_FLOAT_EQ(player.nextShotTime, 1100);

    player.upgrades.laserReach = 400;
    player.upgrades.laserDamage = 2;
    Ship& far = addShip(point{500, 0});
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(far.health, 100) << "beyond the beam's reach";
    player.upgrades.laserReach = 600;
    laser(point{100, 0});
    EXPECT_FLOAT_EQ(far.health, 84);

    TShockwave wave(200, 0, 2000, point{0, 0});
    wave.pullPerMs = 0.05f;
    far.position = point{100, 0};
    far.health = 1e6f;
    wave.execute(1000, world);
    EXPECT_NEAR(far.position.x, 50, 1e-3) << "drawn 50 units in over the ring's first second";
}
