#include <GL/glew.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "hud/ClassicOverlays.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "world/WorldState.h"

namespace {
const char* panelImages[] = {"radar.png", "enemyRadar.png", "playerRadar.png", "map.png",
                             "whiteDot.png"};

bool reddish(Rgba p) { return p.r > 150 && p.g < 110 && p.b < 110; }

// Blips are a few pixels wide: look for a match near (x, y).
template <typename Test>
bool near(int x, int y, Test test) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (test(readPixel(x + dx, y + dy))) {
                return true;
            }
        }
    }
    return false;
}

bool greenish(Rgba p) { return p.g > 150 && p.r < 100; }

// Loads the real panel images, quietly.
class HudTest : public GlobalTablesTest {
protected:
    static void SetUpTestSuite() {
        ScratchDir dir;
        for (const char* name : panelImages) {
            copyDataFile(name);
        }
        testing::internal::CaptureStdout();
        loadTextures();
        testing::internal::GetCapturedStdout();
    }

    void SetUp() override {
        GlobalTablesTest::SetUp();
        SHIPDATA.assign(2, std::vector<float>{0, 0, 0, 100, 10});
        startPixelFrame();
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    }

    // The projections the frame loop sets before each panel.
    void radarProjection() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, w, -h, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -1);
    }
    void mapProjection() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-w, 0, -h, 0, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -1);
    }

    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
    WorldState world;
};
}  // namespace

TEST_F(HudTest, RadarShowsShipsStrictlyInsideItsRange) {
    world.ships.push_back(Ship(point{9999.9f, 0}, 1));
    world.ships.push_back(Ship(point{0, -10000}, 1));
    radarProjection();
    topLeftUI(world, &player);
    saveFrame("hud-radar");
    // Radar centre is 100 px in from the top-left corner; 10000 units are 82.5 px.
    const int cx = 100;
    const int cy = h - 100;
    EXPECT_TRUE(near(cx + 82, cy, reddish));
    EXPECT_FALSE(near(cx, cy - 82, reddish));
    // The player's blip is drawn at the centre and the face around it.
    Rgba centre = readPixel(cx, cy);
    EXPECT_GT(centre.g + centre.b, 200);
    EXPECT_GT(brightness(10, h - 190, 180, 180), 0);
}

TEST_F(HudTest, RadarFollowsThePlayer) {
    player.position = point{50000, 50000};
    world.ships.push_back(Ship(point{50000, 55000}, 1));
    radarProjection();
    topLeftUI(world, &player);
    EXPECT_TRUE(near(100, h - 100 + 41, reddish));
}

TEST_F(HudTest, MapShowsBodiesInRangeEvenWhenTheirStarIsNot) {
    Star farStar(point{250000, 0}, 500, 1, 0, 14, "Far");
    Planet planet(200, 1, 0, 0, 0, 0, 0, 10, "Near");
    planet.position = point{-100000, 0};
    farStar.planets.push_back(planet);
    world.stars.push_back(farStar);
    world.stars.push_back(Star(point{0, 100000}, 500, 1, 0, 14, "Above"));
    mapProjection();
    topRightUI(world, &player);
    saveFrame("hud-map");
    // The map's projection spans 1480 x 1224 units over the window, so its
    // centre sits at (1193.5, 940.4) and 100000 game units (42 units) are
    // 36.3 px across and 35.1 px up.
    const int cx = 1193;
    const int cy = 940;
    EXPECT_TRUE(near(cx - 36, cy, greenish));
    EXPECT_TRUE(near(cx, cy + 35, reddish));
    // The star 250000 units away is out of range.
    EXPECT_FALSE(near(cx + 91, cy, reddish));
}
