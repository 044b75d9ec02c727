#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "CombatTestData.h"
#include "combat/EnemyGun.h"
#include "combat/Player.h"
#include "world/WorldState.h"
#include "world/WorldStep.h"

namespace {

// Row 2 is a gunship that never moves, firing weapon row 3 (speed 1, 2000 ms:
// 2000 units of reach, 30 a hit) every 500 ms.
class EnemyGunTest : public CombatTest {
protected:
    void SetUp() override {
        CombatTest::SetUp();
        WEAPONDATA.push_back({0, 1.0f, 2000, 30});
        SHIPDATA.push_back({3, 0, 0, 100, 10, 3, 500});
        std::srand(3);
    }
    Ship& addShip(point at, int type) {
        world.ships.emplace_back(at, type);
        return world.ships.back();
    }
    // The ships' and the shots' passes, frame after frame, alternating as in the world step.
    void frames(int count) {
        for (int i = 0; i < count; ++i) {
            processShips(world, &player, 16);
            processProjectiles(world, &player, 16, 0);
        }
    }

    WorldState world;
    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 60};
};

}  // namespace

// The shot flies through a ship on its way, hurts the player by its row's
// damage times the shooter's damage factor, and the blow is counted.
TEST_F(EnemyGunTest, AnArmedShipFiresAfterItsIntervalAndHitsOnlyThePlayer) {
    Ship& gunship = addShip(point{800, 0}, 2);
    gunship.damageFactor = 1.5f;
    Ship& between = addShip(point{400, 0}, 1);
    between.ai = 0;
    frames(31);  // 496 ms: not yet
    EXPECT_TRUE(world.projectiles.empty());
    frames(1);
    ASSERT_EQ(world.projectiles.size(), 1u);
    EXPECT_TRUE(world.projectiles.front().hostile);
    frames(50);  // 700 ms of flight
    EXPECT_FLOAT_EQ(between.health, 100);
    EXPECT_FLOAT_EQ(player.health, 1000 - 45);
    EXPECT_FLOAT_EQ(player.damageTaken, 45);
    EXPECT_EQ(world.projectiles.size(), 1u);  // the next, fired 500 ms after
}

TEST_F(EnemyGunTest, NoShotBeyondReachNorAtADestroyedShipWhichShotsPassThrough) {
    addShip(point{2100, 0}, 2);
    frames(40);
    EXPECT_TRUE(world.projectiles.empty());

    Ship& near = world.ships.front();
    near.position = point{1000, 0};
    frames(1);
    ASSERT_EQ(world.projectiles.size(), 1u);
    player.destroyed = true;
    frames(130);
    EXPECT_FLOAT_EQ(player.health, 1000);
    EXPECT_TRUE(world.projectiles.empty());  // flown through and expired, none fired after
}

// The aim meets a moving target: the distance to the meeting point is the
// shot's speed times the time the target takes to get there.
TEST_F(EnemyGunTest, AimLeadsAMovingTargetOrFallsBackOnIt) {
    point aim = leadTarget(point{0, 0}, 1, point{1000, 0}, point{0, 0.5f});
    float t = (aim.y - 0) / 0.5f;
    EXPECT_NEAR(std::hypot(aim.x, aim.y), t, 0.5f);
    EXPECT_FLOAT_EQ(aim.x, 1000);
    // A target running away faster than the shot cannot be met.
    aim = leadTarget(point{0, 0}, 1, point{1000, 0}, point{2, 0});
    EXPECT_FLOAT_EQ(aim.x, 1000);
    EXPECT_FLOAT_EQ(aim.y, 0);
}
