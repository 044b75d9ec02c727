#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <list>

#include "WorldFixtures.h"
#include "combat/ShipGrid.h"
#include "combat/Targeting.h"

namespace {

float between(float low, float high) { return low + (high - low) * (std::rand() / (RAND_MAX + 1.0f)); }

// Ships crowded round cell corners, some sharing a spot so that ties occur,
// big ones reaching into cells beyond their own in every other scene, and
// paths short and long, so every way the grid can differ is tried.
TEST_F(WorldTest, TheGridFindsTheSameShipAsTheFullTestOnRandomScenes) {
    std::srand(7);
    const float radii[] = {50, 10, 160, 1000};
    for (int scene = 0; scene < 40; ++scene) {
        std::list<Ship> ships;
        float spread = scene % 2 ? 3000 : 100000;
        for (int i = 0; i < 400; ++i) {
            point p{between(-spread, spread), between(-spread, spread)};
            if (i % 7 == 0) {
                p = point{1000.0f * static_cast<int>(p.x / 1000), 1000.0f * static_cast<int>(p.y / 1000)};
            }
            ships.push_back(shipAt(p));
            if (scene % 4 >= 2) ships.back().radius = radii[i % 4];
            if (i % 11 == 0) {
                ships.push_back(shipAt(p));
            }
        }
        ShipGrid grid(ships);
        for (int shot = 0; shot < 300; ++shot) {
            Ship& near = *std::next(ships.begin(), std::rand() % ships.size());
            float reach = shot % 10 == 0 ? 20000 : 300;
            point from{near.position.x + between(-reach, reach), near.position.y + between(-reach, reach)};
            point to{from.x + between(-reach, reach), from.y + between(-reach, reach)};
            ASSERT_EQ(grid.nearestOnSegment(from, to), nearestShipOnSegment(from, to, ships))
                << "scene " << scene << " shot " << shot;
        }
    }
    // Equally near, in two cells: the one listed first wins, not the one
    // whose cell comes first.
    std::list<Ship> pair{shipAt(point{30, 0}), shipAt(point{-30, 0})};
    EXPECT_EQ(ShipGrid(pair).nearestOnSegment(point{0, 0}, point{0, 10}), &pair.front());
    // A shot gone NaN or infinite is never turned into a cell number.
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    for (point to : {point{nan, 0}, point{0, nan}, point{inf, 0}, point{0, -inf}}) {
        EXPECT_EQ(ShipGrid(pair).nearestOnSegment(point{0, 0}, to), nearestShipOnSegment(point{0, 0}, to, pair));
        EXPECT_EQ(ShipGrid(pair).nearestOnSegment(to, point{0, 0}), nearestShipOnSegment(to, point{0, 0}, pair));
    }
}

}  // namespace
