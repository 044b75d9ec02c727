#include <gtest/gtest.h>
#include <unistd.h>

#include <list>
#include <vector>

#include "WorldFixtures.h"
#include "world/ListPass.h"
#include "world/WorldStep.h"

namespace {

TEST(ListPass, VisitsEachOnceInOrderAndDropsNeighboursAndTheLast) {
    std::list<int> items{1, 2, 3, 4, 5, 6};
    std::vector<int> visited;
    keepWhere(items, [&](int item) {
        visited.push_back(item);
        return item == 1 || item == 4;
    });
    EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(items, (std::list<int>{1, 4}));

    std::list<int> single{7};
    keepWhere(single, [](int) { return false; });
    EXPECT_TRUE(single.empty());
}

using WorldStepTest = UniverseTest;

TEST_F(WorldStepTest, StarsAreSteppedInTheirOrderAndShareTheWorld) {
    WorldState& world = universe.worlds[1];
    world.stars.push_back(Star(point{0, 0}, 100, 1, 0, 14, "First"));
    world.stars.push_back(Star(point{150, 0}, 100, 1, 0, 14, "Second"));
    world.projectiles.push_back(shotAt(point{-50, 0}, world));  // only the first star's
    world.projectiles.push_back(shotAt(point{220, 0}, world));  // only the second's
    world.projectiles.push_back(shotAt(point{75, 0}, world));   // both: burns once
    processStars(world, &player, 16);
    EXPECT_TRUE(world.projectiles.empty());
    EXPECT_EQ(world.timers.size(), 3u);
}

TEST_F(WorldStepTest, SurvivingShipsStayInTheirOrder) {
    WorldState& world = universe.worlds[0];
    world.ships.push_back(shipAt(point{1000, 0}));
    world.ships.push_back(shipAt(point{2000, 0}));
    processShips(world, &player, 16);
    ASSERT_EQ(world.ships.size(), 2u);
    EXPECT_EQ(world.ships.front().position.x, 1000);
}

TEST_F(WorldStepTest, IndexingFindsEveryExistingWorld) {
    EXPECT_EQ(&universe[0], &universe.worlds[0]);
    EXPECT_EQ(&universe[1], &universe.worlds[1]);
    player.warpWorld(1);
    EXPECT_EQ(&universe.currentWorld(), &universe.worlds[1]);
}

// The message goes to standard output; the child sends it to standard error
// so the death test can read it.
TEST_F(WorldStepTest, APlayerInAMissingWorldEndsTheGameWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    player.warpWorld(7);
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            universe.currentWorld();
        },
        testing::ExitedWithCode(1), "Player is in world 7, but only 3 worlds exist");
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            universe[-1];
        },
        testing::ExitedWithCode(1), "Asked for world -1, but only 3 worlds exist");
}

}  // namespace
