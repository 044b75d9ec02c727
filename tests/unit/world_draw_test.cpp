#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "WorldFixtures.h"
#include "assets/Textures.h"
#include "world/WorldSetup.h"
#include "world/WorldStep.h"

namespace {

// A soft-edged disc with a darker band across it, so spin is visible.
GLuint discTexture(int red, int green, int blue) {
    const int size = 64;
    std::vector<unsigned char> pixels(size * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float dx = (x + 0.5f) / size * 2 - 1;
            float dy = (y + 0.5f) / size * 2 - 1;
            bool inside = dx * dx + dy * dy <= 1;
            float shade = std::fabs(dy) < 0.15f ? 0.5f : 1.0f;
            unsigned char* p = &pixels[(y * size + x) * 4];
            p[0] = static_cast<unsigned char>(red * shade);
            p[1] = static_cast<unsigned char>(green * shade);
            p[2] = static_cast<unsigned char>(blue * shade);
            p[3] = inside ? 255 : 0;
        }
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

// Window pixel of a world point seen by the game camera at (0, 0).
Rgba pixelAt(float x, float y) {
    return readPixel(static_cast<int>(640 + x * 1280 / 5000), static_cast<int>(512 + y * 1024 / 4000));
}

TEST_F(WorldTest, StarDrawsOverItsSpinningPlanetsThroughTheGameCamera) {
    textures[blueStarTexture] = discTexture(255, 230, 120);
    textures[marsTexture] = discTexture(200, 60, 40);
    glEnable(GL_TEXTURE_2D);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    useGameCamera(0, 0);

    WorldState world;
    Player player = playerAt(point{90000, 90000});
    Star sun(point{0, 0}, 600, 0.2f, 0, 14, "Helia");
    sun.addPlanet(Planet(250, 1, 1500, 0, 0, 0.05f, 0, 10, "East"));
    sun.addPlanet(Planet(180, 1, 1600, 0, 150, 0, 0, 10, "West"));
    sun.addPlanet(Planet(200, 1, 650, 0, -90, 0, 0, 10, "Under"));
    world.stars.push_back(sun);
    processStars(world, &player, 600);  // East spins 30 degrees
    saveFrame("world_star_and_planets");

    Rgba star = pixelAt(300, 300);
    Rgba east = pixelAt(1500, 100);
    Rgba under = pixelAt(0, -750);  // the planet alone, below the star's rim
    Rgba overlap = pixelAt(0, -550);
    Rgba space = pixelAt(-1800, -1500);
    EXPECT_GT(star.r, 200);
    EXPECT_GT(star.g, 180);
    EXPECT_GT(east.r, 150);
    EXPECT_LT(east.g, 80);
    EXPECT_GT(under.r, 150);
    EXPECT_LT(under.g, 80);
    EXPECT_GT(overlap.g, under.g + 100);  // the star's light is added on top
    EXPECT_EQ(space.r + space.g + space.b, 0);

    glDisable(GL_TEXTURE_2D);
    glDeleteTextures(1, &textures[blueStarTexture]);
    glDeleteTextures(1, &textures[marsTexture]);
}

// What a new player sees first: the home system from the ship's start.
TEST_F(WorldTest, TheHomeSystemShowsPlanetsFromTheStart) {
    Universe universe;
    universe.worlds.resize(1);
    {
        ScratchDir scratch;
        for (const char* file : {"stardata.txt", "planetdata.txt", "wormholedata.txt"}) {
            copyDataFile(file);
        }
        testing::internal::CaptureStdout();
        ASSERT_TRUE(initializeStars(universe));
        testing::internal::GetCapturedStdout();
    }
    Player player = playerAt(point{0, -6000}, 40);
    universe.player = &player;
    textures[blueStarTexture] = discTexture(255, 230, 120);
    textures[marsTexture] = discTexture(200, 60, 40);
    glEnable(GL_TEXTURE_2D);
    glClear(GL_COLOR_BUFFER_BIT);
    useGameCamera(player.position.x, player.position.y);

    processWormholes(universe, 1000);
    processStars(universe.currentWorld(), &player, 16);
    saveFrame("world_home_from_start");

    EXPECT_GT(brightness(0, 0, 1280, 1024), 1000000);
    EXPECT_FALSE(player.isLanded());
    EXPECT_TRUE(universe.worlds[0].timers.empty());

    glDisable(GL_TEXTURE_2D);
    glDeleteTextures(1, &textures[blueStarTexture]);
    glDeleteTextures(1, &textures[marsTexture]);
}

}  // namespace
