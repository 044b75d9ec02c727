#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "WorldFixtures.h"
#include "core/Geometry.h"
#include "pilot/FlightComputer.h"
#include "pilot/Pilot.h"
#include "world/WorldStep.h"

namespace {

const int frameMs = 33;

// A world like the campaign's: a star pulling in the middle with a planet
// on its orbit, and 12000 units from the ship's start, past the star, an
// open wormhole to a second world.
class PilotTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 1, 1);
        universe.worlds.resize(2);
        universe.player = &player;
        Star star(point{200, 0}, 700, 0.16f, 0, 14, "Sun");
        testing::internal::CaptureStdout();
        star.addPlanet(Planet(200, 0.3f, 3000, 0.003f, 180, 0.02f, 0, 10, "Rest"));
        testing::internal::GetCapturedStdout();
        world().stars.push_back(star);
        world().wormholes.push_back(Wormhole(0, point{0, 6000}, 300, 1, point{0, 0}, 1));
        known.worldNames = {"Home", "Away"};
        known.cleared = {true, false};
        player.angle = -1.5f;
    }

    void TearDown() override {
        glDisable(GL_SCISSOR_TEST);
        WorldTest::TearDown();
    }

    // One frame as the game runs it, with no key held: the pilot, the ship, the world.
    void frame() {
        now += frameMs;
        std::vector<Destination> places = destinations(universe, known);
        ShipCommand command = pilot.fly(ShipCommand{}, player, universe, places, true, FlightTuning{}, frameMs);
        player.update(frameMs, command);
        stepWorld(universe, player, frameMs, now);
    }

    // Frames while `going` holds, for at most `ms` of game time; the time it took.
    template <typename Going>
    int flyWhile(Going going, int ms) {
        int flown = 0;
        for (; going() && flown < ms; flown += frameMs) frame();
        return flown;
    }

    WorldState& world() { return universe.worlds[0]; }
    Planet& rest() { return world().stars[0].planets[0]; }

    Player player = Player(point{0, -6000}, 0.0008f, 0.003f, 0.0035f, 1000, 45);
    Universe universe;
    KnownPlaces known;
    Pilot pilot;
    int now = 1000;
};

}  // namespace

TEST_F(PilotTest, StopBringsTheShipToRestBesideAMovingPlanet) {
    frame();
    player.position = point{rest().position.x + 700, rest().position.y};
    player.velocity = point{rest().velocity.x + 0.3f, rest().velocity.y + 1.2f};
    pilot.stopPressed = true;
    auto moving = [&] { return speedIn(player.velocity, rest().velocity) > 0.001f; };
    int took = flyWhile(moving, 20000);
    EXPECT_LT(took, 20000) << "still " << speedIn(player.velocity, rest().velocity) << " units/ms off the planet's";
    EXPECT_TRUE(pilot.stopping);
    EXPECT_EQ(nearestBody(world(), player.position).planet, &rest());
    EXPECT_FALSE(player.isLanded());
    EXPECT_FLOAT_EQ(player.health, 1000);

    // It holds there until thrust is held.
    flyWhile([] { return true; }, 3000);
    EXPECT_LT(speedIn(player.velocity, rest().velocity), 0.01f);
    player.update(frameMs, pilot.fly(ShipCommand{0, 0, 1}, player, universe, destinations(universe, known), true,
                                     FlightTuning{}, frameMs));
    EXPECT_FALSE(pilot.stopping);
}

TEST_F(PilotTest, TheAutopilotFliesFromRestRoundTheStarIntoTheWormhole) {
    pilot.autopilotPressed = true;
    frame();
    EXPECT_TRUE(pilot.autopilot);
    EXPECT_EQ(pilot.notice, "Autopilot: to Away");
    int took = flyWhile([&] { return player.getWorld() == 0; }, 120000);
    EXPECT_EQ(player.getWorld(), 1) << "at " << player.position.x << ", " << player.position.y << " after " << took
                                    << " ms";
    EXPECT_FLOAT_EQ(player.health, 1000) << "burnt or crashed on the way";
    EXPECT_LT(took, 30000);
    frame();
    EXPECT_FALSE(pilot.autopilot);
    EXPECT_LT(std::hypot(player.velocity.x, player.velocity.y), 1.0f);
}

TEST_F(PilotTest, TheAutopilotLandsGentlyOnTheRespawnPlanet) {
    known.respawnStar = 0;
    known.respawnPlanet = 0;
    frame();
    pilot.nextPressed = true;
    pilot.autopilotPressed = true;
    frame();
    EXPECT_EQ(pilot.notice, "Autopilot: to Rest");
    int took = flyWhile([&] { return !player.isLanded(); }, 120000);
    EXPECT_TRUE(player.isLanded()) << "after " << took << " ms";
    EXPECT_TRUE(player.gentleTouchDown);
    EXPECT_FLOAT_EQ(player.health, 1000);
    frame();
    EXPECT_FALSE(pilot.autopilot);
}
