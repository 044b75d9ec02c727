#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "WorldFixtures.h"
#include "campaign/CampaignScript.h"
#include "campaign/CampaignSetup.h"

namespace {

const size_t shipTypes = 2;
const std::string finalWorld = "world 0 Home\nwave\nships 1 3 1 0 3\nfinal\n";

struct BadScript {
    std::string text;
    std::string problem;
};

// Reads `text` as campaign.txt; returns what was printed.
std::string readScript(const std::string& text, bool expected, CampaignScript& script) {
    writeFile("campaign.txt", text);
    testing::internal::CaptureStdout();
    bool read = readCampaignScript("campaign.txt", shipTypes, script);
    std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(read, expected) << text << output;
    return output;
}

TEST(CampaignScript, ReadsEveryKeywordPastAByteOrderMarkCommentsAndCarriageReturns) {
    ScratchDir scratch;
    CampaignScript script;
    std::string output = readScript(
        "\xEF\xBB\xBF# a test campaign\r\n"
        "start 1\r\nspawn 100 200  # close\r\nescape 900\r\nrespawn 1500\r\ndeathcost 25\r\nrepair 40\r\n"
        "edge 25000\r\nshield 300 4000 120\r\n"
        "points 1 75\r\ndifficulty gentle 0.5 0.25 2\r\n"
        "world 1   The  Far Side   # named with blanks\r\ngoal kills 4\r\nbonus 300\r\nwave\r\n"
        "ships 1 6 2 1000 4\r\nships 0 1 1 0 1\r\nwave 12000\r\nships 1 2 2 0 2\r\nfinal\r\n",
        true, script);
    EXPECT_EQ(output, "");
    EXPECT_EQ(script.startWorld, 1);
    EXPECT_EQ(script.spawnLeast, 100);
    EXPECT_EQ(script.spawnMost, 200);
    EXPECT_EQ(script.escapeDistance, 900);
    EXPECT_EQ(script.respawnMs, 1500);
    EXPECT_EQ(script.deathCostPercent, 25);
    EXPECT_EQ(script.repairPerSecond, 40);
    EXPECT_EQ(script.edgeDistance, 25000);
    EXPECT_EQ(script.shield.capacity, 300);
    EXPECT_EQ(script.shield.quietMs, 4000);
    EXPECT_EQ(script.shield.perSecond, 120);
    EXPECT_EQ(script.pointsFor(1), 75);
    EXPECT_EQ(script.pointsFor(0), 0);
    ASSERT_EQ(script.difficulties.size(), 1u);
    EXPECT_EQ(script.difficulty("gentle")->damageFactor, 0.25f);
    ASSERT_EQ(script.worlds.size(), 1u);
    const WorldScript& world = script.worlds[0];
    EXPECT_EQ(world.name, "The Far Side");
    EXPECT_EQ(world.goal, WorldGoal::kills);
    EXPECT_EQ(world.killTarget, 4);
    EXPECT_EQ(world.bonus, 300);
    EXPECT_TRUE(world.final);
    ASSERT_EQ(world.waves.size(), 2u);
    ASSERT_EQ(world.waves[0].ships.size(), 2u);
    EXPECT_EQ(world.waves[0].delayMs, 3000);
    EXPECT_EQ(world.waves[1].delayMs, 12000);
    const ShipsLine& ships = world.waves[0].ships[0];
    EXPECT_EQ(ships.type, 1);
    EXPECT_EQ(ships.total, 6);
    EXPECT_EQ(ships.atOnce, 2);
    EXPECT_EQ(ships.intervalMs, 1000);
    EXPECT_EQ(ships.cap, 4);

    // Without difficulty lines there is one, plain.
    CampaignScript plain;
    readScript(finalWorld, true, plain);
    ASSERT_EQ(plain.difficulties.size(), 1u);
    EXPECT_EQ(plain.difficulties[0].name, "normal");
    EXPECT_EQ(plain.worlds[0].goal, WorldGoal::waves);
}

TEST(CampaignScript, AWaveOfMoreShipsAliveThanTheGameLetsInIsNamed) {
    ScratchDir scratch;
    CampaignScript script;
    std::string output = readScript("difficulty many 3 1 1\nworld 0 Home\nwave\nships 1 200 100 0 100\n"
                                    "ships 0 300 100 0 100\nfinal\n",
                                    true, script);
    EXPECT_EQ(output, "campaign.txt line 3: wave can have 600 ships alive at once; at most 500 are let in\n");
}

TEST(CampaignScript, NamesEveryBadLineAndRefusesTheFile) {
    ScratchDir scratch;
    const std::vector<BadScript> cases = {
        {"launch 3\n" + finalWorld, "campaign.txt line 1: unknown keyword \"launch\""},
        {"start\n" + finalWorld, "campaign.txt line 1: start needs 1 value, found 0"},
        {"start 1.5\n" + finalWorld, "campaign.txt line 1: start world 1.5 is not a whole number"},
        {"start 2x\n" + finalWorld, "campaign.txt line 1: start world \"2x\" is not a number"},
        {"deathcost 1e39\n" + finalWorld, "campaign.txt line 1: death cost inf is not a finite number"},
        {"respawn -1\n" + finalWorld, "campaign.txt line 1: respawn time -1 is not between 0 and 600000"},
        {"edge 400000\n" + finalWorld, "campaign.txt line 1: edge distance 400000 is not between 5000 and 100000"},
        {"shield 300 4000\n" + finalWorld, "campaign.txt line 1: shield needs 3 values, found 2"},
        {"spawn 9000 100\n" + finalWorld, "campaign.txt line 1: least spawn distance 9000 is beyond the most 100"},
        {"\nescape 9000\n" + finalWorld, "campaign.txt line 2: escape distance 9000 must be beyond the farthest spawn distance 9500"},
        {"points 2 100\n" + finalWorld, "campaign.txt line 1: ship type 2 is not between 0 and 1"},
        {"difficulty easy 0 1 1\n" + finalWorld, "campaign.txt line 1: enemy count factor 0 is not between 0.1 and 10"},
        {"difficulty a 1 1 1\ndifficulty a 2 2 2\n" + finalWorld, "campaign.txt line 2: difficulty a is named twice"},
        {"goal waves\n" + finalWorld, "campaign.txt line 1: goal comes before any world line"},
        {finalWorld + "world 0 Again\n", "campaign.txt line 5: world 0 has a block already"},
        {finalWorld + "world 3\n", "campaign.txt line 5: world needs a number and a name"},
        {finalWorld + "world 1 Next\ngoal kills 0\n", "campaign.txt line 6: kills 0 is not between 1 and 10000"},
        {finalWorld + "world 1 Next\ngoal survive\n", "campaign.txt line 6: goal must be \"kills N\" or \"waves\""},
        {finalWorld + "world 1 Next\nships 1 3 1 0 3\n", "campaign.txt line 6: ships comes before any wave line of its world"},
        {finalWorld + "world 1 Next\nwave\nships 1 0 1 0 3\n", "campaign.txt line 7: total 0 is not between 1 and 10000"},
        {finalWorld + "world 1 Next\nwave\nships 1 3 1 0\n", "campaign.txt line 7: ships needs 5 values, found 4"},
        {finalWorld + "world 1 Next\nwave\nwave\nships 1 1 1 0 1\n", "campaign.txt line 6: wave has no ships line"},
        {finalWorld + "world 1 Next\ngoal kills 5\n", "campaign.txt line 5: world 1 has a kills goal but no wave to destroy"},
        {"world 0 Home\nwave\nships 1 3 1 0 3\n", "campaign.txt: no world block is marked final"},
    };
    for (const BadScript& bad : cases) {
        CampaignScript script;
        std::string output = readScript(bad.text, false, script);
        EXPECT_NE(output.find(bad.problem), std::string::npos) << bad.text << output;
    }
    CampaignScript none;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readCampaignScript("nothing.txt", shipTypes, none));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "nothing.txt: missing or not a file\n");
}

class CampaignSetupTest : public WorldTest {
protected:
    std::string load(bool expected) {
        testing::internal::CaptureStdout();
        bool loaded = loadCampaign(universe, script);
        std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(loaded, expected) << output;
        return output;
    }

    ScratchDir scratch;
    Universe universe;
    CampaignScript script;
};

// The roster of enemy types the shipped campaign sends: rows 0 to 7.
TEST_F(CampaignSetupTest, TheShippedCampaignLoadsAndCanBeWon) {
    std::filesystem::copy(dataDir() + "/campaign", "campaign");
    SHIPDATA.assign(8, std::vector<float>{1, 0.01f, 1, 50, 20});
    std::string output = load(true);
    EXPECT_EQ(output.find(" line "), std::string::npos) << output;
    EXPECT_EQ(universe.worlds.size(), 5u);
    EXPECT_EQ(script.difficulties.size(), 3u);
    for (int world = 0; world < 5; ++world) {
        const WorldScript* block = script.world(world);
        ASSERT_NE(block, nullptr) << world;
        EXPECT_FALSE(block->waves.empty()) << world;
        EXPECT_EQ(block->final, world == 4);
        for (const Star& star : universe.worlds[static_cast<size_t>(world)].stars) {
            EXPECT_FALSE(star.planets.empty()) << star.getName();
        }
    }
    EXPECT_EQ(script.world(4)->waves.back().ships[0].type, 7) << "the last wave brings the Dreadnought";
    // Every look a star or planet row names is a shipped image.
    for (const char* file : {"campaign/stardata.txt", "campaign/planetdata.txt"}) {
        std::ifstream in(file);
        for (std::string word; in >> word;) {
            if (word.rfind("@planets/", 0) == 0 || word.rfind("@stars/", 0) == 0) {
                EXPECT_TRUE(std::filesystem::exists(dataDir() + "/" + word.substr(1))) << file << " " << word;
            }
        }
    }
}

TEST_F(CampaignSetupTest, NoFolderIsNoCampaignSilentlyAndAMissingOrMisfittingPieceIsNamed) {
    EXPECT_EQ(load(false), "");

    std::filesystem::create_directory("campaign");
    writeFile("campaign/campaign.txt", "start 3\n" + finalWorld);
    writeFile("campaign/stardata.txt", "0 0 0 500 0.1 0 14 @Sun\n");
    writeFile("campaign/planetdata.txt", "");
    std::string output = load(false);
    EXPECT_NE(output.find("campaign/wormholedata.txt: missing or not a file\n"), std::string::npos) << output;
    EXPECT_NE(output.find("No campaign: Free flight only\n"), std::string::npos) << output;

    universe.worlds.clear();
    script = CampaignScript();
    writeFile("campaign/wormholedata.txt", "");
    output = load(false);
    EXPECT_NE(output.find("campaign/campaign.txt: start world 3 is not in the campaign's universe (worlds 0 to 0)"),
              std::string::npos)
        << output;

    // World 1 exists, but no wormhole leads there.
    universe.worlds.clear();
    script = CampaignScript();
    writeFile("campaign/stardata.txt", "0 0 0 500 0.1 0 14 @Sun\n1 0 0 500 0.1 0 14 @Far\n");
    writeFile("campaign/campaign.txt", "world 1 Far\nfinal\n");
    output = load(false);
    EXPECT_NE(output.find("no wormhole path leads from the start world to a final world"), std::string::npos)
        << output;
}

}  // namespace
