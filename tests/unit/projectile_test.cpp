#include <gtest/gtest.h>

#include <cmath>

#include "CombatTestData.h"
#include "combat/TShockwave.h"
#include "world/WorldState.h"

namespace {

class ProjectileTest : public CombatTest {
protected:
    Projectile shot(point from, point velocity, int weapon, int lifetime, bool bounces = true) {
        return Projectile(from, velocity.x, velocity.y, std::hypot(velocity.x, velocity.y), world, weapon,
                          bounces, lifetime, 0, 0);
    }
    Ship& addShip(point at) {
        world.ships.emplace_back(at, 1);
        return world.ships.back();
    }

    WorldState world;
};

}  // namespace

TEST_F(ProjectileTest, AimsAlongTheDirectionPlusInheritedVelocity) {
    Projectile p(point{0, 0}, 30, 40, 2, world, 0, true, 1000, 0, 1);
    EXPECT_FLOAT_EQ(p.velocity.x, 1.2f);
    EXPECT_FLOAT_EQ(p.velocity.y, 2.6f);
    EXPECT_NEAR(p.theta, std::atan2(40.0f, 30.0f) - 1.57f, 1e-6);  // drawn along the aim

    Projectile still(point{0, 0}, 0, 0, 2, world, 9, true, 1000, 0.5f, 0);
    EXPECT_FLOAT_EQ(still.velocity.x, 0.5f);
    EXPECT_FLOAT_EQ(still.velocity.y, 0);
    EXPECT_FLOAT_EQ(still.theta, 0);
    EXPECT_FLOAT_EQ(still.damage, 0);  // no such weapon row
}

TEST_F(ProjectileTest, ExpiresOnTheRightFrameUnlessItsLifetimeIsNegative) {
    Projectile p = shot(point{0, 0}, point{1, 0}, 0, 1000);
    int kept = 0;
    while (kept < 100 && p.update(16, world, 0)) ++kept;
    EXPECT_EQ(kept, 62);
    Projectile forever = shot(point{0, 0}, point{0.001f, 0}, 0, -1);
    for (int i = 0; i < 50; ++i) ASSERT_TRUE(forever.update(1000, world, 0));
}

TEST_F(ProjectileTest, BouncesOrLeavesAtTheBounds) {
    Projectile p = shot(point{99990, -99990}, point{2, -2}, 0, 1000);
    ASSERT_TRUE(p.update(10, world, 0));
    EXPECT_FLOAT_EQ(p.position.x, 99970);
    EXPECT_FLOAT_EQ(p.position.y, -99970);
    EXPECT_FLOAT_EQ(p.velocity.x, -2);
    EXPECT_NEAR(p.theta, std::atan2(2.0f, -2.0f) - 1.57f, 1e-6);
    Projectile leaving = shot(point{0, -99990}, point{0, -2}, 2, 1000, false);
    EXPECT_FALSE(leaving.update(10, world, 0));
    EXPECT_TRUE(world.timers.empty());
}

TEST_F(ProjectileTest, SweptPathHitsOnlyTheShipNearestItsNewPosition) {
    Ship& jumped = addShip(point{300, 40});
    Ship& nearest = addShip(point{700, 0});
    addShip(point{1200, 60});  // beside the path
    Projectile p = shot(point{0, 0}, point{100, 0}, 0, 1000);
    EXPECT_FALSE(p.update(10, world, 0));
    EXPECT_FLOAT_EQ(jumped.health, 100);
    EXPECT_FLOAT_EQ(nearest.health, 75);
    EXPECT_FLOAT_EQ(world.ships.back().health, 100);
}

TEST_F(ProjectileTest, ShockwaveShotLeavesHitPointsAndDetonates) {
    Ship& target = addShip(point{500, 0});
    Projectile p = shot(point{0, 0}, point{100, 0}, 2, 1000);
    EXPECT_FALSE(p.update(10, world, 4000));
    EXPECT_FLOAT_EQ(target.health, 100);
    ASSERT_EQ(world.timers.size(), 1u);
    auto* wave = dynamic_cast<TShockwave*>(world.timers.front().get());
    ASSERT_NE(wave, nullptr);
    EXPECT_FLOAT_EQ(wave->position.x, 1000);
    EXPECT_EQ(wave->created, 4000);
    EXPECT_EQ(wave->endTime, 6000);

    world.ships.clear();
    Projectile fizzle = shot(point{0, 5000}, point{1, 0}, 2, 5);
    EXPECT_FALSE(fizzle.update(10, world, 7000));
    ASSERT_EQ(world.timers.size(), 2u);
    EXPECT_EQ(world.timers.front()->endTime, 9000);
}
