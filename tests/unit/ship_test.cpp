#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>

#include "CombatTestData.h"
#include "TestSupport.h"
#include "combat/Player.h"
#include "combat/TExplosion.h"
#include "combat/TSpark.h"
#include "core/Constants.h"
#include "core/SpriteBatch.h"
#include "world/WorldState.h"

namespace {

class ShipTest : public CombatTest {
protected:
    Ship ship(int ai, float thrust, float topSpeed, point at, point velocity = {0, 0}) {
        Ship s(at, 1);
        s.ai = ai;
        s.thrust = thrust;
        s.topSpeed = topSpeed;
        s.velocity = velocity;
        return s;
    }
    float speed(const Ship& s) { return std::hypot(s.velocity.x, s.velocity.y); }

    WorldState world;
    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
};

}  // namespace

// Untextured, the sprite is a square of half-size 40; turned by 45 degrees
// its corner reaches 50 units out along the axis.
TEST_F(ShipTest, SpriteTurnsWithItsHeading) {
    auto litAt = [](float theta, float x) {
        startPixelFrame();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-200, 200, -160, 160, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glColor3f(1, 1, 1);
        Ship s(point{0, 0}, 1);
        s.theta = theta;
        SpriteBatch batch;
        s.addSprite(batch);
        batch.flush();
        return readPixel(static_cast<int>(w / 2 + x * w / 400), h / 2).r == 255;
    };
    EXPECT_TRUE(litAt(0, 38));
    EXPECT_FALSE(litAt(0, 50));
    EXPECT_TRUE(litAt(3.14159f / 4, 50));
}

TEST_F(ShipTest, MissingTypeMakesAnInertShip) {
    Ship s(point{5, 6}, 7);
    EXPECT_EQ(s.ai, 0);
    EXPECT_FLOAT_EQ(s.thrust, 0);
    EXPECT_FLOAT_EQ(s.health, 0);
    EXPECT_FLOAT_EQ(Ship(point{0, 0}, -1).ramDamage, 0);
}

TEST_F(ShipTest, ChaserReachesAndHoldsItsTopSpeedWhateverTheFrameTime) {
    Ship s = ship(1, 0.01f, 0.5f, point{20000, 0});
    for (int i = 0; i < 49; ++i) s.update(1, world, &player);
    EXPECT_NEAR(speed(s), 0.49f, 1e-5);
    for (int dt : {1, 16, 200}) {
        s.update(dt, world, &player);
        EXPECT_NEAR(speed(s), 0.5f, 1e-5) << dt;
    }
    EXPECT_LT(s.velocity.x, 0);
    // A zero limit pins a steering ship, outside pulls included.
    Ship pinned = ship(2, 0.01f, 0, point{1000, 1000}, point{0.3f, 0.3f});
    pinned.update(16, world, &player);
    EXPECT_FLOAT_EQ(pinned.position.x, 1000);
}

TEST_F(ShipTest, KeepRangePushesByBandAndSettlesFacingThePlayer) {
    Ship near = ship(3, 0.01f, -1, point{450, 0}, point{0, 0.1f});
    near.update(0, world, &player);
    EXPECT_NEAR(near.velocity.x, 0.005f * 0.98f, 1e-6);  // half thrust away, then 2 % off
    EXPECT_NEAR(near.velocity.y, 0.098f, 1e-6);
    EXPECT_NEAR(near.getTheta(), std::atan2(0.0f, -1.0f) - 1.57f, 1e-5);

    Ship atRange = ship(3, 0.01f, -1, point{0, 500}, point{0.2f, 0});
    atRange.update(0, world, &player);
    EXPECT_NEAR(atRange.velocity.x, 0.196f, 1e-6);
    EXPECT_NEAR(atRange.velocity.y, 0, 1e-7);

    Ship far = ship(3, 0.01f, -1, point{700, 0}, point{0, 0.1f});
    far.update(0, world, &player);
    EXPECT_NEAR(far.velocity.x, -0.01f, 1e-6);
    EXPECT_NEAR(far.velocity.y, 0.1f, 1e-6);
    EXPECT_NEAR(far.getTheta(), 0, 1e-3);  // heading of the velocity before the push
}

TEST_F(ShipTest, RamsOnlyInsideItsRadiusAndWithoutAnExplosion) {
    Ship rammer = ship(1, 0.01f, 0.5f, point{49.9f, 0});
    EXPECT_FALSE(rammer.update(16, world, &player));
    EXPECT_FLOAT_EQ(player.getHealth(), 940);
    EXPECT_TRUE(world.timers.empty());
    Ship grazer = ship(1, 0.01f, 0.5f, point{50, 0});
    EXPECT_TRUE(grazer.update(16, world, &player));
    EXPECT_FLOAT_EQ(player.getHealth(), 940);
    // A bigger ship rams within its radius, survives, and the two part.
    Ship big = ship(1, 0.01f, 0.5f, point{150, 0}, point{-0.5f, 0});
    big.radius = 160;
    EXPECT_TRUE(big.update(16, world, &player));
    EXPECT_FLOAT_EQ(player.getHealth(), 880);
    EXPECT_LT(player.position.x, big.position.x - 160);
    EXPECT_LE(player.velocity.x - big.velocity.x, -0.4f + 1e-6f);
    EXPECT_TRUE(big.update(16, world, &player));
    EXPECT_FLOAT_EQ(player.getHealth(), 880);
}

TEST_F(ShipTest, DiesWithAnExplosionAtItsNextUpdate) {
    Ship s = ship(0, 0, 0, point{3000, 4000});
    s.health = 10;
    s.takeDamage(10, point{0, 0}, world);
    EXPECT_TRUE(world.timers.empty());
    EXPECT_FALSE(s.update(16, world, &player));
    ASSERT_EQ(world.timers.size(), 1u);
    auto* explosion = dynamic_cast<TExplosion*>(world.timers.front().get());
    ASSERT_NE(explosion, nullptr);
    EXPECT_FLOAT_EQ(explosion->position.y, 4000);
    EXPECT_FLOAT_EQ(explosion->size, 50);
    EXPECT_FALSE(explosion->ownColours);
}

// In the campaign a hit lights the ship up and throws a spark from the side
// it came from, at most one a spark gap; the kill explodes as wide as the ship.
TEST_F(ShipTest, CampaignFeedbackFlashesSparksAndSizesTheExplosion) {
    Ship s = ship(0, 0, 0, point{0, 1000});
    s.radius = 120;
    world.hitFeedback = true;
    s.takeDamage(10, point{0, 0}, world);
    s.takeDamage(10, point{0, 0}, world);
    EXPECT_EQ(s.flashMs, Ship::flashDurationMs);
    ASSERT_EQ(world.timers.size(), 1u);
    auto* spark = dynamic_cast<TSpark*>(world.timers.front().get());
    ASSERT_NE(spark, nullptr);
    EXPECT_FLOAT_EQ(spark->position.y, 1000 - 120);
    s.update(Ship::sparkGapMs, world, &player);
    EXPECT_EQ(s.flashMs, 0);
    s.takeDamage(100, point{0, 0}, world);
    EXPECT_EQ(world.timers.size(), 2u);
    EXPECT_FALSE(s.update(16, world, &player));
    auto* explosion = dynamic_cast<TExplosion*>(world.timers.back().get());
    ASSERT_NE(explosion, nullptr);
    EXPECT_FLOAT_EQ(explosion->size, 120);
}

TEST_F(ShipTest, SlidesAlongTheEdgeAndLeavesItWhenPushedBack) {
    Ship s = ship(2, 50, -1, point{99000, 10});  // flees without limit
    s.update(16, world, &player);
    s.update(16, world, &player);
    EXPECT_FLOAT_EQ(s.position.x, 100000);
    EXPECT_FLOAT_EQ(s.velocity.x, 0);
    EXPECT_GT(s.velocity.y, 0);
    s.ai = 0;
    s.velocity = point{-1, 0};
    s.update(10, world, &player);
    EXPECT_FLOAT_EQ(s.position.x, 99990);
}
