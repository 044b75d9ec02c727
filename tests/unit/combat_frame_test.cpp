#include <GL/glew.h>
#include <gtest/gtest.h>

#include "CombatTestData.h"
#include "TestSupport.h"
#include "combat/Player.h"
#include "combat/TExplosion.h"
#include "combat/TShockwave.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "world/WorldState.h"

namespace {

const float viewHeight = 4000;

// The game's camera: the world plane sits just beyond the near plane.
void gameCamera(point centre) {
    float halfHeight = viewHeight / 2;
    float halfWidth = halfHeight * static_cast<float>(w) / h;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-halfWidth, halfWidth, -halfHeight, halfHeight, 10000, 30000);
    glTranslatef(-centre.x, -centre.y, 0);
    glTranslatef(0, 0, -10000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -1);
}

// Window pixel of a world point for a camera centred on `centre`.
void toPixel(point world, point centre, int& x, int& y) {
    float unitsPerPixel = viewHeight / h;
    x = static_cast<int>(w / 2 + (world.x - centre.x) / unitsPerPixel);
    y = static_cast<int>(h / 2 + (world.y - centre.y) / unitsPerPixel);
}

long brightnessAround(point world, point centre, int half) {
    int x, y;
    toPixel(world, centre, x, y);
    return brightness(x - half, y - half, 2 * half, 2 * half);
}

}  // namespace

TEST(CombatFrame, ShipExplosionShockwaveAndBeamAllShow) {
    fillCombatTables();
    point centre{0, -6000};
    Player player(centre, 0.0008f, 0.003f, 0.0035f, 1000, 45);
    player.weapon = 1;
    WorldState world;
    point explosionAt{900, -6300};
    point waveAt{-1000, -5500};
    point shipAt{0, -4500};
    world.ships.emplace_back(shipAt, 1);
    world.ships.back().health = 100;
    standardExplosion(explosionAt, world, 9600);
    auto wave = std::make_unique<TShockwave>(200, 9000, 2000, waveAt);
    addTimer(std::move(wave), world);

    glClear(GL_COLOR_BUFFER_BIT);
    gameCamera(centre);
    glColor4f(1, 1, 1, 1);
    player.shoot(10000, world, point{0, -5000}, 16);
    glColor4f(1, 0, 0, 1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    runTimer(10000, world);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    player.draw();
    saveFrame("combat_frame");

    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    EXPECT_LT(world.ships.front().health, 100);  // the beam reached the ship
    EXPECT_GT(brightnessAround(centre, centre, 8), 0);
    EXPECT_GT(brightnessAround(point{0, -5200}, centre, 3), 0);  // beam between ship and target
    EXPECT_EQ(brightnessAround(point{0, -4300}, centre, 3), 0);  // ends at the ship's centre
    EXPECT_GT(brightnessAround(explosionAt, centre, 4), 0);
    int x, y;
    toPixel(waveAt, centre, x, y);
    Rgba ring = readPixel(x, y);
    EXPECT_GT(ring.r, 40);
    EXPECT_EQ(ring.g, 0);
    EXPECT_EQ(ring.b, 0);
    // The ring's red tint is left for whatever draws next.
    EXPECT_FLOAT_EQ(colour[0], 1);
    EXPECT_FLOAT_EQ(colour[1], 0);
    EXPECT_FLOAT_EQ(colour[3], 0.3f);
}
