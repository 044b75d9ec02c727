#include <GL/glew.h>
#include <gtest/gtest.h>

#include "CombatTestData.h"
#include "TestSupport.h"
#include "combat/Player.h"
#include "combat/TShockwave.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "world/Universe.h"
#include "world/WorldStep.h"

namespace {

const point centre{0, -6000};
const float unitsPerPixel = 4000.0f / h;

Rgba pixelAt(point world) {
    return readPixel(static_cast<int>(w / 2 + (world.x - centre.x) / unitsPerPixel),
                     static_cast<int>(h / 2 + (world.y - centre.y) / unitsPerPixel));
}

}  // namespace

using CombatFrame = CombatTest;

TEST_F(CombatFrame, ShipExplosionShockwaveAndBeamAllShow) {
    Player player(centre, 0.0008f, 0.003f, 0.0035f, 1000, 45);
    player.weapon = 1;
    Universe universe;
    universe.worlds.resize(1);
    universe.player = &player;
    WorldState& world = universe.worlds[0];
    world.ships.emplace_back(point{0, -4500}, 1);
    standardExplosion(point{900, -6300}, world, 9600);
    addTimer(std::make_unique<TShockwave>(200, 9000, 2000, point{-1000, -5500}), world);

    // As the frame loop does it: the beam, then the world's step.
    glClear(GL_COLOR_BUFFER_BIT);
    useGameCamera(centre.x, centre.y);
    glColor4f(1, 1, 1, 1);
    player.shoot(10000, world, point{0, -5000}, 16);
    stepWorld(universe, player, 16, 10000);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    saveFrame("combat_frame");

    EXPECT_LT(world.ships.front().health, 100);
    EXPECT_GT(pixelAt(centre).r, 40);
    EXPECT_EQ(pixelAt(point{0, -5200}).g, 255);  // beam on its way to the ship
    EXPECT_EQ(pixelAt(point{0, -4300}).g, 0);    // and no further
    EXPECT_GT(pixelAt(point{900, -6300}).r, 100);  // two layers under the ring's 30 % tint
    Rgba ring = pixelAt(point{-1000, -5500});
    EXPECT_GT(ring.r, 40);
    EXPECT_EQ(ring.g + ring.b, 0);
}
