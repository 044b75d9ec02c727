#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Geometry.h"
#include "WorldFixtures.h"
#include "world/WorldSetup.h"

namespace {

class WorldSetupTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        universe.worlds.resize(1);
    }

    void writeWorld(const std::string& stars, const std::string& planets, const std::string& wormholes) {
        writeFile("stardata.txt", stars);
        writeFile("planetdata.txt", planets);
        writeFile("wormholedata.txt", wormholes);
    }

    // Loads and returns everything printed.
    std::string load(bool expected) {
        testing::internal::CaptureStdout();
        bool result = initializeStars(universe);
        std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(result, expected) << output;
        return output;
    }

    // A rejected file must leave the universe exactly as start-up made it.
    void expectRejected(const std::string& message) {
        std::string output = load(false);
        EXPECT_NE(output.find(message + "\n"), std::string::npos) << output;
        EXPECT_EQ(output.find("Adding"), std::string::npos) << output;
        ASSERT_EQ(universe.worlds.size(), 1u);
        EXPECT_TRUE(universe.worlds[0].stars.empty());
        EXPECT_TRUE(universe.worlds[0].wormholes.empty());
    }

    ScratchDir scratch;
    Universe universe;
};

const char* const oneStar = "0 0 0 500 1 0 14 @Sol\n";

TEST_F(WorldSetupTest, BuildsStarsWithTheirPlanetsAndWormholesInFileOrder) {
    writeWorld(
        "# world x y radius density spare texture name\n"
        "0 100 200 500 0.5 7 14 @Old_Sol\n"
        "1 -300 0 400 1 0 13 @Twin_A @ignored\n",
        "1 50 1 3000 0.001 90 0.02 0 10 @Outer\n"
        "0 60 2 2500 0.002 0 0.01 0 9 @New_Haven\n"
        "1 70 3 4000 0.003 180 0.03 0 10 @Far\n",
        "0 1000 1000 300 1 0 0 1\n"
        "1 0 0 300 0 5 5 1\n");
    std::string output = load(true);
    EXPECT_EQ(output,
              "Loading star and planet data\n"
              "Opening stardata.txt\n"
              "Opening planetdata.txt\n"
              "Opening wormholedata.txt\n"
              "New Haven\n"
              "Adding New Haven to Old Sol\n"
              "Outer\n"
              "Adding Outer to Twin A\n"
              "Far\n"
              "Adding Far to Twin A\n"
              "Now loading wormholes\n" +
                  output.substr(output.find("Now loading wormholes\n") + 22));

    ASSERT_EQ(universe.worlds.size(), 2u);
    const Star& sol = universe.worlds[0].stars.at(0);
    EXPECT_EQ(sol.position.x, 100);
    EXPECT_EQ(sol.radius, 500);
    EXPECT_EQ(sol.density, 0.5f);
    EXPECT_EQ(sol.spare, 7);
    EXPECT_EQ(sol.getTexture(), 14);
    ASSERT_EQ(sol.planets.size(), 1u);
    EXPECT_EQ(sol.planets[0].orbitRadius, 2500);
    const Star& twin = universe.worlds[1].stars.at(0);
    ASSERT_EQ(twin.planets.size(), 2u);
    EXPECT_EQ(twin.planets[0].getName(), "Outer");
    EXPECT_EQ(twin.planets[1].getName(), "Far");
    EXPECT_EQ(twin.planets[1].getRadius(), 70);

    ASSERT_EQ(universe.worlds[1].wormholes.size(), 1u);
    const Wormhole& back = universe.worlds[1].wormholes[0];
    EXPECT_EQ(back.sourceWorld, 1);
    EXPECT_EQ(back.destinationWorld, 0);
    EXPECT_EQ(back.exitPoint.x, 5);
    EXPECT_EQ(universe.worlds[0].wormholes.at(0).captureRadius, 300);
}

struct Growth {
    const char* stars;
    const char* wormholes;
    size_t worlds;
};

class WorldSetupGrowth : public WorldSetupTest, public testing::WithParamInterface<Growth> {};

TEST_P(WorldSetupGrowth, HasOneWorldPastTheHighestSourceNamed) {
    writeWorld(GetParam().stars, "", GetParam().wormholes);
    load(true);
    EXPECT_EQ(universe.worlds.size(), GetParam().worlds);
}

INSTANTIATE_TEST_SUITE_P(
    Worlds, WorldSetupGrowth,
    testing::Values(Growth{oneStar, "", 1}, Growth{"", "", 1}, Growth{"3 0 0 1 1 0 14 @Far\n", "", 4},
                    Growth{"0 0 0 1 1 0 14 @A 1 0 0 1 1 0 14 @B\n", "5 0 0 100 0 0 0 1\n", 6},
                    Growth{"2.9 0 0 1 1 0 14 @Odd\n", "", 3}));

TEST_F(WorldSetupTest, PlanetsNamingNoWholeStarRowAreDroppedSilently) {
    writeWorld(std::string(oneStar) + "1 0 0 1 1 0 14 @Second\n",
               "1.5 10 1 100 0 0 0 0 10 @Half\n"
               "2 10 1 100 0 0 0 0 10 @Beyond\n"
               "-1 10 1 100 0 0 0 0 99\n"
               "1 10 1 100 0 0 0 0 10 @Kept\n",
               "");
    std::string output = load(true);
    EXPECT_EQ(output.find("Half"), std::string::npos);
    EXPECT_EQ(output.find("Beyond"), std::string::npos);
    EXPECT_TRUE(universe.worlds[0].stars[0].planets.empty());
    ASSERT_EQ(universe.worlds[1].stars[0].planets.size(), 1u);
    EXPECT_EQ(universe.worlds[1].stars[0].planets[0].getName(), "Kept");
}

struct MissingFile {
    const char* present;
    const char* endOfOutput;
};

class WorldSetupMissing : public WorldSetupTest, public testing::WithParamInterface<MissingFile> {};

// The load stops at the first missing file, reads none after it and adds nothing.
TEST_P(WorldSetupMissing, StopsAtTheFirstMissingFile) {
    for (const char* file : {"stardata.txt", "planetdata.txt", "wormholedata.txt"}) {
        if (std::string(GetParam().present).find(file) != std::string::npos) {
            writeFile(file, std::string(file) == "stardata.txt" ? oneStar : "");
        }
    }
    std::string output = load(false);
    std::string tail = GetParam().endOfOutput;
    ASSERT_GE(output.size(), tail.size());
    EXPECT_EQ(output.substr(output.size() - tail.size()), tail);
    EXPECT_EQ(output.find("Adding"), std::string::npos);
    EXPECT_TRUE(universe.worlds[0].stars.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, WorldSetupMissing,
    testing::Values(
        MissingFile{"planetdata.txt wormholedata.txt",
                    "Error opening file\nStardata read failure\n"},
        MissingFile{"stardata.txt wormholedata.txt",
                    "Error opening file\nplanetdata read failure\n"},
        MissingFile{"stardata.txt planetdata.txt",
                    "Error opening file\nwormhole read failure\n"}));

struct BadInput {
    const char* stars;
    const char* planets;
    const char* wormholes;
    const char* message;
};

class WorldSetupRejects : public WorldSetupTest, public testing::WithParamInterface<BadInput> {};

TEST_P(WorldSetupRejects, NamesTheFileTheRowAndTheProblem) {
    writeWorld(GetParam().stars, GetParam().planets, GetParam().wormholes);
    expectRejected(GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, WorldSetupRejects,
    testing::Values(
        BadInput{"0 0 0 1 1 0 14 @A -1 0 0 1 1 0 14 @B\n", "", "",
                 "stardata.txt line 1: world number -1 is not between 0 and 9999"},
        BadInput{"1e9 0 0 1 1 0 14 @Huge\n", "", "",
                 "stardata.txt line 1: world number 1e+09 is not between 0 and 9999"},
        BadInput{"0 0 0 1 1 0 21 @A\n", "", "", "stardata.txt line 1: texture slot 21 is not between 0 and 20"},
        BadInput{"0 0 0 1 1 0 -1 @A\n", "", "", "stardata.txt line 1: texture slot -1 is not between 0 and 20"},
        BadInput{"0 0 0 1 1 0 14 @A 0 0 0 1 1 0 14\n", "", "", "stardata.txt line 1: no @name item after the numbers"},
        BadInput{oneStar, "0 10 1 100 0 0 0 0 30 @P\n", "",
                 "planetdata.txt line 1: texture slot 30 is not between 0 and 20"},
        BadInput{oneStar, "0 10 1 100 0 0 0 0 10 @P 0 10 1 100 0 0 0 0 10\n", "",
                 "planetdata.txt line 1: no @name item after the numbers"},
        BadInput{oneStar, "", "0 0 0 100 1 0 0 1\n-2 0 0 100 0 0 0 1\n",
                 "wormholedata.txt line 2: source world -2 is not between 0 and 9999"},
        BadInput{oneStar, "", "0 0 0 100 9 0 0 1\n",
                 "wormholedata.txt line 1: destination world 9 is not between 0 and 0"},
        BadInput{oneStar, "", "0 0 0 100 -1 0 0 1\n",
                 "wormholedata.txt line 1: destination world -1 is not between 0 and 0"},
        BadInput{oneStar, "", "0 0 0 100 0 0 0 1000\n",
                 "wormholedata.txt line 1: effect index 1000 is not between 0 and 999"},
        BadInput{oneStar, "", "0 0 0 100 0 0 0 0\n",
                 "wormholedata.txt line 1: effect index 0 names a flame, not a wormhole swirl"},
        BadInput{oneStar, "", "\n\n0 0 0 1e39 0 0 0 1\n",
                 "wormholedata.txt line 3: capture radius inf is not a finite number"}));

// A destination is good once any row makes its world exist, wherever that row is.
TEST_F(WorldSetupTest, DestinationsMayNameWorldsThatLaterRowsCreate) {
    writeWorld(oneStar, "", "0 0 0 100 2 0 0 1\n2 0 0 100 0 0 0 1\n");
    load(true);
    EXPECT_EQ(universe.worlds.size(), 3u);
    EXPECT_EQ(universe.worlds[0].wormholes.at(0).destinationWorld, 2);
}

// A wormhole whose effect file is missing, or holds a flame, runs without its
// swirl; each such file is named once, and the other wormholes keep theirs.
TEST_F(WorldSetupTest, AMissingOrFlameEffectFileSwitchesOnlyItsSwirlOff) {
    emitters.push_back(smallEffect(flameSelector));
    writeWorld(oneStar, "", "0 0 0 100 0 0 0 3\n0 9 9 100 0 0 0 3\n0 5 5 100 0 0 0 2\n0 7 7 100 0 0 0 2\n"
                            "0 3 3 100 0 0 0 1\n");
    EXPECT_EQ(problemLines(load(true)),
              "emitterShade3.txt: missing; effect disabled\n"
              "emitterShade2.txt: a wormhole swirl needs shader selector 1; effect disabled\n");
    const std::vector<Wormhole>& wormholes = universe.worlds[0].wormholes;
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(wormholes.at(k).effect.definition.empty()) << k;
    }
    EXPECT_FALSE(wormholes.at(4).effect.definition.empty());
}

// The shipped universe: every world can be reached and left, and the ship's
// start in world 0 is clear of every star and of every planet's path.
TEST_F(WorldSetupTest, TheShippedUniverseIsConnectedAndStartsInTheClear) {
    for (const char* file : {"stardata.txt", "planetdata.txt", "wormholedata.txt"}) {
        copyDataFile(file);
    }
    load(true);
    ASSERT_GE(universe.worlds.size(), 4u);

    std::vector<int> arrivals(universe.worlds.size(), 0);
    for (size_t w = 0; w < universe.worlds.size(); ++w) {
        const WorldState& world = universe.worlds[w];
        EXPECT_FALSE(world.stars.empty()) << "world " << w;
        EXPECT_FALSE(world.wormholes.empty()) << "world " << w;
        for (const Wormhole& wormhole : world.wormholes) {
            ++arrivals[wormhole.destinationWorld];
        }
    }
    for (size_t w = 0; w < universe.worlds.size(); ++w) {
        EXPECT_GT(arrivals[w], 0) << "no way into world " << w;
    }

    const point start{0, -6000};
    for (const Star& star : universe.worlds[0].stars) {
        float fromStar = pointDistance(start, star.position);
        EXPECT_GT(fromStar, 10 * star.radius * star.density) << star.getName();
        for (const Planet& planet : star.planets) {
            EXPECT_GT(std::fabs(fromStar - planet.orbitRadius), planet.radius + 100) << planet.getName();
        }
    }
}

}  // namespace
