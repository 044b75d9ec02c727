#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "TestSupport.h"
#include "campaign/UpgradeTable.h"

namespace {

std::string readTable(const std::string& text, bool expected, UpgradeTable& table) {
    writeFile("upgrades.txt", text);
    testing::internal::CaptureStdout();
    bool read = readUpgradeTable("upgrades.txt", table);
    std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(read, expected) << text << output;
    return output;
}

const std::string threeLines =
    "hull 25 icon.png Hull: +25 % plating\n"
    "gun_rate 20 icon.png Gun: +20 % fire rate\n"
    "repair 50 icon.png Repair: +50 % while landed\n";

}  // namespace

TEST(UpgradeTable, TheShippedTableOffersEveryKindWithItsIcon) {
    ScratchDir scratch;
    std::filesystem::copy(dataDir() + "/campaign", "campaign");
    std::filesystem::copy(dataDir() + "/hud", "hud");
    UpgradeTable table;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(loadUpgrades(table));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    std::set<std::string> kinds;
    for (const Upgrade& upgrade : table.upgrades) kinds.insert(upgradeKeyword(upgrade.kind));
    EXPECT_EQ(kinds.size(), 12u);
    std::filesystem::remove("campaign/upgrades.txt");
    UpgradeTable none;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(loadUpgrades(none));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "no file, no word of it";
}

TEST(UpgradeTable, NamesEveryBadLineByFileAndLine) {
    ScratchDir scratch;
    writeFile("icon.png", "");
    UpgradeTable table;
    std::string output = readTable(
        "# upgrades\n" + threeLines +
            "gun_rate 500 icon.png Gun: +500 % fire rate\n"
            "gun_spread 1.5 icon.png Gun: more shots\n"
            "warp 10 icon.png Warp\n"
            "turn 20 icon.png\n"
            "thrust fast icon.png Engine\n"
            "laser_reach 30 icon.png Laser: a text far too long to fit on one line\n"
            "shield_recharge 20 none.png Shield: +20 a second\n",
        false, table);
    EXPECT_EQ(output,
              "upgrades.txt line 5: gun_rate amount 500 is not between 1 and 300\n"
              "upgrades.txt line 6: gun_spread amount 1.5 is not a whole number\n"
              "upgrades.txt line 7: unknown upgrade \"warp\"\n"
              "upgrades.txt line 8: turn needs an amount, an icon and a text\n"
              "upgrades.txt line 9: thrust amount \"fast\" is not a number\n"
              "upgrades.txt line 10: text \"Laser: a text far too long to fit on one...\" is longer than 40 "
              "characters\n"
              "upgrades.txt line 11: icon none.png is not a file; none is shown\n");
    UpgradeTable two;
    output = readTable("hull 25 icon.png Hull\ngun_rate 20 icon.png Gun\n", false, two);
    EXPECT_EQ(output, "upgrades.txt: needs at least 3 upgrades for a choice, found 2\n");
}

TEST(UpgradeTable, ADrawOffersThreeOfDifferentKindsTheSameForTheSameSeed) {
    ScratchDir scratch;
    writeFile("icon.png", "");
    UpgradeTable table;
    readTable(threeLines + "hull 50 icon.png Hull: +50 % plating\ngun_rate 40 icon.png Gun: +40 % fire rate\n",
              true, table);
    std::set<size_t> offered;
    for (uint64_t seed = 0; seed < 200; ++seed) {
        std::vector<size_t> choice = table.drawChoice(seed);
        ASSERT_EQ(choice.size(), 3u);
        EXPECT_EQ(choice, table.drawChoice(seed));
        std::set<UpgradeKind> kinds;
        for (size_t index : choice) kinds.insert(table.upgrades[index].kind);
        EXPECT_EQ(kinds.size(), 3u) << "seed " << seed;
        offered.insert(choice.begin(), choice.end());
    }
    EXPECT_EQ(offered.size(), 5u) << "every upgrade comes up";
    UpgradeTable sameKind;
    readTable("hull 10 icon.png A\nhull 20 icon.png B\nhull 30 icon.png C\nhull 40 icon.png D\n", true, sameKind);
    std::vector<size_t> choice = sameKind.drawChoice(9);
    EXPECT_EQ(std::set<size_t>(choice.begin(), choice.end()).size(), 3u) << "three different lines at least";
}
