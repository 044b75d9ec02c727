#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "combat/Player.h"
#include "world/PlayerSetup.h"

namespace {

class PlayerTest : public testing::Test {
protected:
    // The command the keys W, S, A and D give, held together.
    void hold(std::initializer_list<SDLKey> held) {
        command = ShipCommand{};
        for (SDLKey key : held) {
            if (key == SDLK_w) command.thrust = 1;
            if (key == SDLK_s) command.reverse = 1;
            if (key == SDLK_a) command.turnLeft = 1;
            if (key == SDLK_d) command.turnRight = 1;
        }
    }
    float speedAlongHeading() const {
        return ship.velocity.x * std::cos(ship.angle) + ship.velocity.y * std::sin(ship.angle);
    }

    ShipCommand command;
    Player ship{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
};

std::string loadPlayer(std::unique_ptr<Player>& player) {
    testing::internal::CaptureStdout();
    player = initializePlayer();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST_F(PlayerTest, ForwardBeatsReverseTurnsCancelAndReverseIsPerFrame) {
    ship.angle = 0.5f;
    hold({SDLK_w, SDLK_s, SDLK_a, SDLK_d});
    ship.update(16, command);
    EXPECT_FLOAT_EQ(ship.angle, 0.5f);
    EXPECT_FLOAT_EQ(ship.thrustLevel, 1.0f);
    EXPECT_NEAR(speedAlongHeading(), 0.016f, 1e-6);  // per millisecond
    hold({SDLK_s, SDLK_a});
    for (int dt : {1, 100}) {
        ship.velocity = point{0, 0};
        ship.update(dt, command);
        EXPECT_NEAR(speedAlongHeading(), -0.001f, 1e-7) << dt;
    }
    EXPECT_NEAR(ship.angle, 0.5f + 0.303f, 1e-6);
    EXPECT_FLOAT_EQ(ship.thrustLevel, 0.0f);
}

TEST_F(PlayerTest, ClampsAtTheBoundsKeepingTheOtherAxis) {
    ship.position = point{99990, -99995};
    ship.velocity = point{1, -0.5f};
    ship.update(20, command);
    EXPECT_FLOAT_EQ(ship.position.x, 100000);
    EXPECT_FLOAT_EQ(ship.velocity.x, 0);
    EXPECT_FLOAT_EQ(ship.position.y, -100000);
    EXPECT_FLOAT_EQ(ship.velocity.y, 0);
    ship.velocity = point{0, 0.5f};
    ship.update(20, command);
    EXPECT_FLOAT_EQ(ship.position.y, -99990);
}

TEST_F(PlayerTest, LandedShipWaitsOutTheLockThenLiftsOffWithItsCharge) {
    ship.position = point{500, 500};
    ship.setLanded();
    hold({SDLK_w, SDLK_a});
    ship.update(100, command);
    EXPECT_TRUE(ship.isLanded());
    EXPECT_FLOAT_EQ(ship.thrustLevel, 1.0f);
    EXPECT_FLOAT_EQ(ship.angle, 0);
    EXPECT_FLOAT_EQ(ship.velocity.x, 0);

    hold({SDLK_s});
    for (int i = 0; i < 5; ++i) ship.update(100, command);
    EXPECT_EQ(ship.launchCharge, 500);
    EXPECT_EQ(ship.launchLock, 0);
    EXPECT_FLOAT_EQ(ship.position.x, 500);

    hold({SDLK_w});
    ship.update(16, command);
    EXPECT_FALSE(ship.isLanded());
    EXPECT_EQ(ship.launchCharge, 0);
    EXPECT_NEAR(ship.velocity.x, 0.516f, 1e-5);
    EXPECT_NEAR(ship.position.x, 500 + 0.516f * 16, 1e-3);  // moves in the same frame
}

TEST_F(PlayerTest, WormholeRearmsAfterOneWholeFrameOutside) {
    ship.warpArmed = false;
    ship.clearOfWormholes = false;  // carried this frame
    ship.update(16, command);
    ship.clearOfWormholes = false;  // still inside the exit next frame
    ship.update(16, command);
    EXPECT_FALSE(ship.warpArmed);
    ship.update(16, command);
    EXPECT_TRUE(ship.warpArmed);
}

TEST(PlayerSetup, BuildsFromTheFirstRowAndZeroFillsAShortOne) {
    ScratchDir dir;
    std::unique_ptr<Player> player;
    writeFile("playerdata.txt", "# x y forward reverse turn health radius\n100 -200 1 2 3 900 45\n7 7 7 7 7 7 7\n");
    // There is no effect file here, so only the exhaust is named.
    EXPECT_EQ(problemLines(loadPlayer(player)), "emitterShade0.txt: missing; effect disabled\n");
    ASSERT_NE(player, nullptr);
    EXPECT_FLOAT_EQ(player->position.y, -200);
    EXPECT_FLOAT_EQ(player->turnRate, 3);
    EXPECT_FLOAT_EQ(player->getRadius(), 45);

    writeFile("playerdata.txt", "1 2 3 4 5");
    loadPlayer(player);
    ASSERT_NE(player, nullptr);
    EXPECT_FLOAT_EQ(player->turnRate, 5);
    EXPECT_FLOAT_EQ(player->getHealth(), 0);
}

TEST(PlayerSetup, WithoutARowThereIsNoPlayer) {
    ScratchDir dir;
    std::unique_ptr<Player> player;
    const char* noRow = "playerdata.txt: no player row, cannot build the ship\n";
    EXPECT_EQ(problemLines(loadPlayer(player)), std::string("Error opening file\nplayerdata read failure\n") + noRow);
    EXPECT_EQ(player, nullptr);
    writeFile("playerdata.txt", "# only a comment\n");
    EXPECT_EQ(problemLines(loadPlayer(player)), noRow);
    EXPECT_EQ(player, nullptr);
}

TEST(PlayerSetup, ValuesThatWouldBreakTheFlightModelStopTheLoad) {
    ScratchDir dir;
    std::unique_ptr<Player> player;
    writeFile("playerdata.txt", "# ship\n0 -6000 1e39 0.003 0.0035 1000 -5\n");
    EXPECT_EQ(problemLines(loadPlayer(player)), "playerdata.txt line 2: forward thrust inf is not a finite number\n"
                                  "playerdata.txt line 2: radius -5 is not between 0 and 10000\n");
    EXPECT_EQ(player, nullptr);
}
