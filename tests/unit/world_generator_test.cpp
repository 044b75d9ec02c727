#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "WorldFixtures.h"
#include "campaign/CampaignScript.h"
#include "campaign/CampaignSetup.h"
#include "endless/EndlessRun.h"
#include "endless/WaveMaker.h"
#include "endless/WorldGenerator.h"
#include "endless/WorldRules.h"
#include "endless/WorldText.h"
#include "world/Universe.h"

namespace {

uint64_t fnv1a(const std::string& text) {
    uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

std::string joined(const std::vector<std::string>& problems) {
    std::string text;
    for (const std::string& problem : problems) text += problem + "\n";
    return text;
}

}  // namespace

TEST(WorldGenerator, EveryWorldOfThousandsOfRunsKeepsTheRulesAndTheyVary) {
    std::set<size_t> starCounts;
    std::set<WorldGoal> goals;
    long firstShips = 0;
    long tenthShips = 0;
    for (uint64_t seed = 0; seed < 3000; ++seed) {
        for (int number : {0, 1 + static_cast<int>(seed % 9), 10 + static_cast<int>(seed * 7 % 9990)}) {
            GeneratedWorld world = generateWorld(seed, number);
            ASSERT_EQ(joined(worldProblems(world)), "") << "seed " << seed << ", world " << number;
            EXPECT_EQ(world.wayOn.exit.x, generateWorld(seed, number + 1).arrival.x);
            starCounts.insert(world.stars.size());
            goals.insert(world.script.goal);
            bool startsAtTheStart = world.arrival.x == firstArrival.x && world.arrival.y == firstArrival.y;
            EXPECT_TRUE(number > 0 || startsAtTheStart) << "seed " << seed;
        }
        firstShips += totalShips(generateWorld(seed, 0).script);
        tenthShips += totalShips(generateWorld(seed, 9).script);
    }
    EXPECT_EQ(starCounts, (std::set<size_t>{1, 2, 3}));
    EXPECT_EQ(goals.size(), 2u);
    EXPECT_GT(tenthShips, 2 * firstShips) << "later worlds send more enemies";
}

// Without this the test above would pass on a checker that finds nothing.
TEST(WorldGenerator, TheRulesNameEachBrokenOne) {
    const GeneratedWorld good = generateWorld(5, 2);
    ASSERT_GE(good.planets.size(), 2u);
    struct Breakage {
        void (*breakIt)(GeneratedWorld& world);
        std::string problem;
    };
    const Breakage cases[] = {
        {[](GeneratedWorld& w) { w.planets[0].orbitRadius = w.stars[0].radius; }, "orbits inside its star"},
        {[](GeneratedWorld& w) { w.planets[1].orbitRadius = w.planets[0].orbitRadius + 10; }, "cross"},
        {[](GeneratedWorld& w) { w.wayOn.position = point{w.stars[0].position.x + w.planets[0].orbitRadius,
                                                          w.stars[0].position.y}; },
         "the wormhole at"},
        {[](GeneratedWorld& w) { w.arrival = w.stars[0].position; }, "the arrival point"},
        {[](GeneratedWorld& w) { w.stars.push_back(w.stars[0]); }, "overlap"},
        {[](GeneratedWorld& w) { w.stars[0].position.x = 60000; }, "farther than 30000"},
    };
    for (const Breakage& breakage : cases) {
        GeneratedWorld world = good;
        breakage.breakIt(world);
        std::string problems = joined(worldProblems(world));
        EXPECT_NE(problems.find(breakage.problem), std::string::npos) << breakage.problem << "\n" << problems;
    }
}

TEST(WorldGenerator, TheSameSeedMakesTheSameWorldsAndAnotherOthers) {
    WorldTexts first = generatedWorldTexts(42, 4);
    generatedWorldTexts(7, 4);
    WorldTexts again = generatedWorldTexts(42, 4);
    EXPECT_EQ(first.stars + first.planets + first.wormholes + first.campaign,
              again.stars + again.planets + again.wormholes + again.campaign);
    WorldTexts other = generatedWorldTexts(43, 4);
    EXPECT_NE(first.stars, other.stars);
    EXPECT_NE(first.campaign, other.campaign);
    // And on every compiler: a player's seed and a kept replay make these
    // worlds wherever they are played. A change to the generator that is
    // meant changes this figure (and records the kept replays again).
    EXPECT_EQ(fnv1a(first.stars + first.planets + first.wormholes + first.campaign), 3711290003802041983ULL);
}

class WrittenWorldsTest : public WorldTest {};

// The game's own readers take what --write-worlds writes, row for row.
TEST_F(WrittenWorldsTest, TheWrittenWorldsLoadAsTheCampaign) {
    ScratchDir scratch;
    SHIPDATA.assign(8, std::vector<float>{1, 0.01f, 1, 50, 20});
    for (uint64_t seed : {0ull, 1ull, 99ull, 18446744073709551615ull}) {
        std::filesystem::remove_all("campaign");
        testing::internal::CaptureStdout();
        ASSERT_EQ(writeWorldsAndSay(seed, "."), 0);
        Universe universe;
        CampaignScript script;
        bool loaded = loadCampaign(universe, script);
        std::string output = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(loaded) << output;
        EXPECT_EQ(output.find(" line "), std::string::npos) << output;
        EXPECT_NE(output.find("Seed " + std::to_string(seed) + ": worlds 0 to 9 written to ./campaign"),
                  std::string::npos);
        ASSERT_EQ(universe.worlds.size(), 10u);
        EXPECT_TRUE(script.world(9)->final);
        for (int number = 0; number < 10; ++number) {
            GeneratedWorld world = generateWorld(seed, number);
            const WorldState& loadedWorld = universe.worlds[static_cast<size_t>(number)];
            ASSERT_EQ(loadedWorld.stars.size(), world.stars.size());
            for (size_t s = 0; s < world.stars.size(); ++s) {
                EXPECT_EQ(loadedWorld.stars[s].name, world.stars[s].name);
                std::vector<std::string> planets;
                for (const GeneratedPlanet& planet : world.planets) {
                    if (planet.star == static_cast<int>(s)) planets.push_back(planet.name);
                }
                std::vector<std::string> loadedPlanets;
                for (const Planet& planet : loadedWorld.stars[s].planets) loadedPlanets.push_back(planet.name);
                EXPECT_EQ(loadedPlanets, planets) << "each planet round its own star";
            }
            EXPECT_EQ(loadedWorld.wormholes.size(), number < 9 ? 1u : 0u);
        }
    }
}

// An endless run builds in memory what the world files of the same seed load.
TEST_F(WrittenWorldsTest, AnEndlessRunBuildsTheSeedsWorldsAsTheirFilesLoadThem) {
    ScratchDir scratch;
    SHIPDATA.assign(8, std::vector<float>{1, 0.01f, 1, 50, 20});
    testing::internal::CaptureStdout();
    ASSERT_EQ(writeWorldsAndSay(42, "."), 0);
    Universe loaded;
    CampaignScript script;
    ASSERT_TRUE(loadCampaign(loaded, script));
    EndlessRun run(42, script);
    Universe built;
    EXPECT_TRUE(run.keepAhead(8, built));
    EXPECT_FALSE(run.keepAhead(8, built));
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(built.worlds.size(), 10u);
    ASSERT_EQ(run.script.worlds.size(), 10u);
    for (size_t number = 0; number < 9; ++number) {
        const WorldState& file = loaded.worlds[number];
        const WorldState& memory = built.worlds[number];
        ASSERT_EQ(memory.stars.size(), file.stars.size());
        for (size_t s = 0; s < file.stars.size(); ++s) {
            EXPECT_EQ(memory.stars[s].position.x, file.stars[s].position.x);
            EXPECT_EQ(memory.stars[s].look, file.stars[s].look);
            ASSERT_EQ(memory.stars[s].planets.size(), file.stars[s].planets.size());
            for (size_t p = 0; p < file.stars[s].planets.size(); ++p) {
                const Planet& a = memory.stars[s].planets[p];
                const Planet& b = file.stars[s].planets[p];
                EXPECT_EQ(a.name, b.name);
                EXPECT_FLOAT_EQ(a.orbitAngle, b.orbitAngle);
                EXPECT_FLOAT_EQ(a.orbitSpeed, b.orbitSpeed);
                EXPECT_FLOAT_EQ(a.density, b.density);
            }
        }
        ASSERT_EQ(memory.wormholes.size(), 1u);
        EXPECT_EQ(memory.wormholes[0].destinationWorld, file.wormholes[0].destinationWorld);
        EXPECT_EQ(memory.wormholes[0].exitPoint.y, file.wormholes[0].exitPoint.y);
        const WorldScript& written = *script.world(static_cast<int>(number));
        EXPECT_EQ(run.script.worlds[number].waves.size(), written.waves.size());
        EXPECT_EQ(run.script.worlds[number].goal, written.goal);
        EXPECT_EQ(run.script.worlds[number].bonus, written.bonus);
    }
}
