#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "assets/Tables.h"

namespace {

using Row = std::vector<float>;
using Names = std::vector<std::string>;

struct ReadResult {
    bool opened;
    NumberTable table;
    NameTable names;
    std::string output;
};

ReadResult readText(const std::string& text, int columns) {
    writeFile("table.txt", text);
    ReadResult result;
    testing::internal::CaptureStdout();
    result.opened = readData("table.txt", columns, result.table, result.names);
    result.output = testing::internal::GetCapturedStdout();
    return result;
}

}  // namespace

TEST(ReadData, RowsFollowFileOrderWhateverTheLineLayout) {
    ScratchDir dir;
    NumberTable expected{Row{1, 2, 3, 4}, Row{5, 6, 7, 8}};
    EXPECT_EQ(readText("1 2 3 4 5 6 7 8", 4).table, expected);
    EXPECT_EQ(readText("1\n2\n3\n4\n5\n6\n7\n8\n", 4).table, expected);
    EXPECT_EQ(readText("1 2\t3\n\n 4 5\r\n6 7 8", 4).table, expected);
}

TEST(ReadData, ShortLastRowIsPaddedWithZeros) {
    ScratchDir dir;
    NumberTable expected{Row{1, 2, 3, 4}, Row{5, 6, 7, 0}};
    EXPECT_EQ(readText("1 2 3 4 5 6 7", 4).table, expected);
}

TEST(ReadData, CommentsRunToLineEndOnlyWhenTheyStartAToken) {
    ScratchDir dir;
    EXPECT_EQ(readText("10 20 # ignored 30\n40", 3).table, (NumberTable{Row{10, 20, 40}}));
    EXPECT_EQ(readText("#heading 1 2\n1 2 3 #x\n", 3).table, (NumberTable{Row{1, 2, 3}}));
    // A "#" inside a token is junk after a number, not a comment.
    EXPECT_EQ(readText("5#x 7", 2).table, (NumberTable{Row{5, 7}}));
    // A comment on the last line without a line end.
    EXPECT_EQ(readText("1 2 # 3", 2).table, (NumberTable{Row{1, 2}}));
}

TEST(ReadData, NumbersUseTheLongestNumericPrefix) {
    ScratchDir dir;
    ReadResult result = readText("abc -2.5e2x 1e 3.5.5 .25 +7 -.5E-1 . - 1e+ 0x10 inf", 12);
    ASSERT_EQ(result.table.size(), 1u);
    EXPECT_EQ(result.table[0],
              (Row{0, -250, 1, 3.5f, 0.25f, 7, -0.05f, 0, 0, 1, 0, 0}));
    EXPECT_EQ(readText("0.1", 1).table[0][0], 0.1f);
    EXPECT_EQ(readText("123456789", 1).table[0][0], 123456792.0f);
}

TEST(ReadData, NamesJoinTheLastCompleteRow) {
    ScratchDir dir;
    EXPECT_EQ(readText("1 2 3 4 @Alpha_One 5 6 7 8 @Beta", 4).names,
              (NameTable{Names{"Alpha One"}, Names{"Beta"}}));
    // Row 1 is not complete when the name is read, so it goes to row 0.
    ReadResult early = readText("1 2 3 4 5 @Alpha_One 6 7 8", 4);
    EXPECT_EQ(early.names, (NameTable{Names{"Alpha One"}}));
    EXPECT_EQ(early.table.size(), 2u);
    // Several names on one row, names split over lines.
    EXPECT_EQ(readText("1 2 @a @b_c\n@__d", 2).names, (NameTable{Names{"a", "b c", "  d"}}));
}

TEST(ReadData, NameTableOnlyGrowsAsFarAsTheLastNamedRow) {
    ScratchDir dir;
    ReadResult gap = readText("1 @zero 2 3 @two", 1);
    EXPECT_EQ(gap.names, (NameTable{Names{"zero"}, Names{}, Names{"two"}}));
    ReadResult first = readText("1 @zero 2 3 4 5", 1);
    EXPECT_EQ(first.names, (NameTable{Names{"zero"}}));
    EXPECT_EQ(first.table.size(), 5u);
    // The short form reads the names and throws them away.
    NumberTable table;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(readData("table.txt", 1, table));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(table, (NumberTable{Row{1}, Row{2}, Row{3}, Row{4}, Row{5}}));
}

TEST(ReadData, NameBeforeAnyCompleteRowIsDroppedWithAMessage) {
    ScratchDir dir;
    ReadResult result = readText("@Lost 1 2 @Half 3 4 @Kept", 4);
    EXPECT_EQ(result.names, (NameTable{Names{"Kept"}}));
    EXPECT_EQ(result.table, (NumberTable{Row{1, 2, 3, 4}}));
    EXPECT_EQ(problemLines(result.output),
              "table.txt: name @Lost comes before any complete row; ignored\n"
              "table.txt: name @Half comes before any complete row; ignored\n");
}

TEST(ReadData, EmptyOrCommentOnlyFileOpensWithNoRows) {
    ScratchDir dir;
    for (const char* text : {"", "# nothing here\n  \n# or here"}) {
        ReadResult result = readText(text, 4);
        EXPECT_TRUE(result.opened);
        EXPECT_TRUE(result.table.empty());
        EXPECT_TRUE(result.names.empty());
        EXPECT_EQ(problemLines(result.output), "");
    }
}

TEST(ReadData, MissingFileLeavesTablesAlone) {
    ScratchDir dir;
    NumberTable table{Row{9}};
    NameTable names{Names{"kept"}};
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readData("absent.txt", 1, table, names));
    EXPECT_FALSE(readData("absent.txt", 1, table));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error opening file\nError opening file\n");
    EXPECT_EQ(table, (NumberTable{Row{9}}));
    EXPECT_EQ(names, (NameTable{Names{"kept"}}));
}

class GlobalTables : public GlobalTablesTest {
protected:
    void SetUp() override {
        GlobalTablesTest::SetUp();
        WEAPONDATA.clear();
        SHIPDATA.clear();
    }
    ScratchDir dir;
};

TEST_F(GlobalTables, WeaponAndShipTablesLoadTheirColumns) {
    writeFile("weapondata.txt", "# cooldown speed life damage\n100 3 2000 10\n0 0 0 0.05\n500 2 1500 0.01\n");
    writeFile("shipdata.txt", "0 0.01 1 100 5 @Chaser\n1 0.02 -1 50 10\n");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(initializeWeaponArray());
    EXPECT_TRUE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    ASSERT_EQ(WEAPONDATA.size(), 3u);
    EXPECT_EQ(WEAPONDATA[1], (Row{0, 0, 0, 0.05f}));
    ASSERT_EQ(SHIPDATA.size(), 2u);
    EXPECT_EQ(SHIPDATA[1], (Row{1, 0.02f, -1, 50, 10}));

    // A second load (the start-up of another scene) replaces the rows.
    testing::internal::CaptureStdout();
    EXPECT_TRUE(initializeWeaponArray());
    EXPECT_TRUE(initializeShipArray());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(WEAPONDATA.size(), 3u);
    EXPECT_EQ(SHIPDATA.size(), 2u);
}

TEST_F(GlobalTables, TooFewRowsFailWithAMessage) {
    writeFile("weapondata.txt", "100 3 2000 10 0 0 0");
    writeFile("shipdata.txt", "0 0.01 1 100");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(initializeWeaponArray());
    EXPECT_FALSE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "weapondata.txt line 1: row has 3 of 4 numbers; the rest read as 0\n"
              "weapondata.txt: needs 3 weapon rows, found 2\n"
              "shipdata.txt line 1: row has 4 of 5 numbers; the rest read as 0\n"
              "shipdata.txt: needs 2 ship rows, found 1\n");
}

TEST_F(GlobalTables, MissingFilesFail) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(initializeWeaponArray());
    EXPECT_FALSE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "Error opening file\nError opening file\n");
}

// Messages name the line a row starts on; a byte-order mark is not a token.
TEST_F(GlobalTables, BadValuesAreNamedByLineAndStopTheLoad) {
    writeFile("weapondata.txt", "\xEF\xBB\xBF# c\n120 3 3e9 25\n0 0 0 0.15\n700 1.6 1500\n1e39\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(initializeWeaponArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "weapondata.txt line 2: lifetime 3e+09 is not between -1e+06 and 1e+06\n"
              "weapondata.txt line 4: damage inf is not a finite number\n");
}

TEST_F(GlobalTables, GarbledTokensWarnAFewTimesThenCount) {
    writeFile("shipdata.txt", "1 a b 0 c\nd 2 3 4 e 1");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "shipdata.txt line 1: \"a\" is not a number; read as 0\n"
              "shipdata.txt line 1: \"b\" is not a number; read as 0\n"
              "shipdata.txt line 1: \"c\" is not a number; read as 0\n"
              "shipdata.txt: 5 more warnings not shown\n");
    ASSERT_EQ(SHIPDATA.size(), 3u);
}

TEST_F(GlobalTables, AFolderIsAMissingFile) {
    std::filesystem::create_directory("weapondata.txt");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(initializeWeaponArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "weapondata.txt: a folder, not a file\nError opening file\n");
}

// A file whose every number line holds 5, 7 or 8 numbers is read a row a
// line, with the arming columns and the names; any other keeps the old
// grammar, rows of 5 wherever the lines break.
TEST_F(GlobalTables, ShipRowsAreLinesOnlyWhenEveryLineHoldsFiveSevenOrEight) {
    WEAPONDATA.assign(5, Row{0, 1, 1000, 10});
    writeFile("shipdata.txt",
              "# ai thrust top hp ram weapon interval radius\n"
              "1 0.01 1 50 20\n"
              "3 0.02 1 120 40 3 1500 @Lancer_Mk_2 @ships/lancer_2.png\n"
              "3 0.01 1 6000 400 4 900 160 @Boss\n");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    EXPECT_EQ(SHIPDATA, (NumberTable{Row{1, 0.01f, 1, 50, 20}, Row{3, 0.02f, 1, 120, 40, 3, 1500},
                                     Row{3, 0.01f, 1, 6000, 400, 4, 900, 160}}));
    ASSERT_EQ(shipLooks.size(), 3u);
    EXPECT_EQ(shipLooks[1].name, "Lancer Mk 2");
    EXPECT_EQ(shipLooks[1].spriteFile, "ships/lancer_2.png");
    EXPECT_EQ(shipLooks[2].spriteFile, "");
    EXPECT_EQ(shipLooks[2].line, 4);

    // One line of 10 and one of 3 numbers: the old grammar, as before.
    SHIPDATA.clear();
    writeFile("shipdata.txt", "1 0.01 1 50 20 3 0.02 1 120 40\n1 2 3\n4 5\n");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    EXPECT_EQ(SHIPDATA, (NumberTable{Row{1, 0.01f, 1, 50, 20}, Row{3, 0.02f, 1, 120, 40}, Row{1, 2, 3, 4, 5}}));
}

TEST_F(GlobalTables, ArmingValuesAreCheckedAgainstTheWeaponRows) {
    WEAPONDATA.assign(4, Row{0, 1, 1000, 10});
    writeFile("shipdata.txt",
              "1 0.01 1 50 20\n"
              "3 0.02 1 120 40 4 1500\n"
              "3 0.02 1 120 40 2.5 49 1001\n"
              "3 0.02 1 120 40 -1 50 10\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(initializeShipArray());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "shipdata.txt line 2: weapon row 4 is not a row of weapondata.txt (it has rows 0 to 3)\n"
              "shipdata.txt line 3: weapon row 2.5 is not a row of weapondata.txt (it has rows 0 to 3)\n"
              "shipdata.txt line 3: fire interval 49 is not between 50 and 1e+06\n"
              "shipdata.txt line 3: radius 1001 is not between 10 and 1000\n"
              "shipdata.txt line 4: weapon row -1 is not a row of weapondata.txt (it has rows 0 to 3)\n");
}
