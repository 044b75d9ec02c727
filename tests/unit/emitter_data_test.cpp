#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "assets/EmitterData.h"

namespace {

// A minimal sound definition: one section of 12 rows.
std::string definitionText(const std::string& particles, const std::string& samples,
                           const std::string& selector) {
    std::string text = "# effect\n" + particles + "\n0.0\n0.0\n" + samples + "\n";
    for (int row = 4; row < 11; ++row) {
        text += "0.0\n";
    }
    return text + selector + "\n";
}

// A data line of `length` values 0 1 2 ...
std::string valuesLine(int length) {
    std::string line = "0";
    for (int j = 1; j < length; ++j) {
        line += " " + std::to_string(j);
    }
    return line;
}

// `rows` curve rows of 100 values after a definition.
std::string curveRows(std::string text, int rows) {
    for (int r = 0; r < rows; ++r) {
        text += valuesLine(100) + "\n";
    }
    return text;
}

// A section whose row 3 gives N and whose row `curveRow` is `curve`.
EmitterSection sectionWithCurve(float n, int curveRow, EmitterRow curve) {
    EmitterSection section(curveRow + 1, EmitterRow{1.0f});
    section[3] = EmitterRow{n};
    section[curveRow] = std::move(curve);
    return section;
}

EmitterRow ramp(std::vector<float> header) {
    for (int j = 0; j < 100; ++j) {
        header.push_back(static_cast<float>(j));
    }
    return header;
}

}  // namespace

TEST(EmitterReader, CutsFieldsAtSingleBlanksAndReadsNumberPrefixes) {
    ScratchDir dir;
    writeFile("emitterShade0.txt",
              "#\n5 7 \n5  7\n5 7\n3.5abc x -.5 1e3 2e 0x10 .e +4.\n12\r\n");
    EmitterTable table = readEmitterData();
    ASSERT_EQ(table.size(), 1u);
    ASSERT_EQ(table[0].size(), 1u);
    const EmitterSection& rows = table[0][0];
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], (EmitterRow{5, 7}));
    EXPECT_EQ(rows[1], (EmitterRow{5, 0, 7}));
    EXPECT_EQ(rows[2], (EmitterRow{5, 7}));
    EXPECT_EQ(rows[3], (EmitterRow{3.5f, 0, -0.5f, 1000, 2, 0, 0, 4}));
    // The carriage return is not part of the line, so "12" is one clean field.
    EXPECT_EQ(rows[4], (EmitterRow{12}));
}

TEST(EmitterReader, SkipsShortLinesAndOpensSectionsOnHash) {
    ScratchDir dir;
    writeFile("emitterShade0.txt", "# first\n1.5\n\n7\n \n#2 3 4\n9 9\n#\n\r\n");
    EmitterTable table = readEmitterData();
    ASSERT_EQ(table.size(), 1u);
    const EmitterDefinition& d = table[0];
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0], (EmitterSection{{1.5f}}));
    EXPECT_EQ(d[1], (EmitterSection{{9, 9}}));
    EXPECT_TRUE(d[2].empty());
}

TEST(EmitterReader, ReadsFilesUpToTheFirstMissingNumber) {
    ScratchDir dir;
    writeFile("emitterShade0.txt", definitionText("10", "4.0", "0.0"));
    writeFile("emitterShade1.txt", definitionText("20", "4.0", "1.0"));
    writeFile("emitterShade3.txt", definitionText("30", "4.0", "0.0"));
    testing::internal::CaptureStdout();
    EmitterTable table = readAndExpandEmitterData();
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    ASSERT_EQ(table.size(), 2u);
    ASSERT_EQ(table[1].size(), 1u);
    EXPECT_EQ(table[1][0][0], EmitterRow{20});
    EXPECT_EQ(table[1][0][11], EmitterRow{1});
}

TEST(EmitterReader, NoFilesGiveAnEmptyTable) {
    ScratchDir dir;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(readAndExpandEmitterData().empty());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
}

TEST(EmitterReader, IgnoresAndReportsLinesWithNoPlace) {
    ScratchDir dir;
    writeFile("emitterShade0.txt", "12 13\n# section\n 4 5\n6 7\n");
    testing::internal::CaptureStdout();
    EmitterTable table = readEmitterData();
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "emitterShade0.txt line 1: data before the first '#' line, line ignored\n"
              "emitterShade0.txt line 3: data line begins with a blank, line ignored\n");
    ASSERT_EQ(table[0].size(), 1u);
    EXPECT_EQ(table[0][0], (EmitterSection{{6, 7}}));
}

TEST(EmitterExpansion, ResamplesCurvesToTheSampleCount) {
    EmitterRow curve = ramp({});
    EmitterSection full = expandMatrix(sectionWithCurve(100, 6, curve));
    ASSERT_EQ(full[6].size(), 100u);
    for (int k = 0; k < 100; ++k) {
        EXPECT_NEAR(full[6][k], 0.99f * k, 1e-3) << k;
    }

    EmitterSection halved = expandMatrix(sectionWithCurve(50, 6, curve));
    ASSERT_EQ(halved[6].size(), 50u);
    for (int k = 0; k < 50; ++k) {
        EXPECT_NEAR(halved[6][k], 1.98f * k, 1e-3) << k;
    }
    // Plain rows pass unchanged, and the rows keep their order.
    EXPECT_EQ(halved[3], EmitterRow{50});
    EXPECT_EQ(halved[5], EmitterRow{1});

    EmitterRow withHeader = ramp({8, 9});
    EmitterSection headed = expandMatrix(sectionWithCurve(50, 6, withHeader));
    ASSERT_EQ(headed[6].size(), 52u);
    EXPECT_EQ(headed[6][0], 8);
    EXPECT_EQ(headed[6][1], 9);
    EXPECT_NEAR(headed[6][51], 1.98f * 49, 1e-3);
}

TEST(EmitterExpansion, ScalesRowsFourFiveAndNineByTheirFirstValue) {
    EmitterSection scaled = expandMatrix(sectionWithCurve(50, 4, ramp({2})));
    ASSERT_EQ(scaled[4].size(), 51u);
    EXPECT_EQ(scaled[4][0], 2);
    for (int k = 0; k < 50; ++k) {
        EXPECT_NEAR(scaled[4][k + 1], 3.96f * k, 2e-3) << k;
    }
    // With no header the first curve value is the factor: N = 1 gives c0 * c0.
    EmitterRow curve = ramp({});
    curve[0] = 3;
    EXPECT_EQ(expandMatrix(sectionWithCurve(1, 9, curve))[9], EmitterRow{9});
    EXPECT_EQ(expandMatrix(sectionWithCurve(1, 7, curve))[7], EmitterRow{3});
}

TEST(EmitterValidation, BadDefinitionsAreReportedAndKeptEmpty) {
    struct Case {
        std::string text;
        std::string message;
    };
    std::string sound = definitionText("10", "4.0", "1.0");
    std::string shortRow = "#\n1.0\n1.0\n1.0\n";
    std::vector<Case> cases = {
        {"#\n10\n0.0\n0.0\n4\n", ": section 0 has fewer than 12 rows"},
        {"7\n\n", ": section 0 has fewer than 12 rows"},
        {sound + shortRow, ": section 1 has fewer than 4 rows"},
        {sound + valuesLine(10) + "\n", " line 14: section 0 row 12 has 10 values (a curve needs at least 100)"},
        {sound + valuesLine(99) + "\n", " line 14: section 0 row 12 has 99 values (a curve needs at least 100)"},
        {definitionText("10", "-2", "1.0"), " line 5: sample count -2 is not between 0 and 10000"},
        {definitionText("2e4", "4.0", "1.0"), " line 2: particle count 20000 is not between 0 and 10000"},
        {sound + "1e39 2.0\n", " line 14: value inf is not a finite number"},
        {curveRows(definitionText("10", "1e4", "1.0"), 101),
         ": curves take 1010000 values once resampled, more than the 1000000 left of 1000000"},
        {definitionText("10", "4.0", "2.0"), " line 13: shader selector 2 is neither 0 nor 1"},
        {definitionText("10", "4.0", "0.5"), " line 13: shader selector 0.5 is neither 0 nor 1"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        writeFile("emitterShade0.txt", c.text);
        writeFile("emitterShade1.txt", sound);
        testing::internal::CaptureStdout();
        EmitterTable table = readAndExpandEmitterData();
        EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
                  "emitterShade0.txt" + c.message + "; effect disabled\n")
            << c.text;
        ASSERT_EQ(table.size(), 2u);
        EXPECT_TRUE(table[0].empty());
        EXPECT_EQ(table[1][0][0], EmitterRow{10});
    }
}

TEST(EmitterData, ShippedDefinitionsAreSoundAndSelectTheirPrograms) {
    ScratchDir dir;
    copyDataFile("emitterShade0.txt");
    copyDataFile("emitterShade1.txt");
    testing::internal::CaptureStdout();
    EmitterTable table = readAndExpandEmitterData();
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    ASSERT_EQ(table.size(), 2u);
    for (size_t e = 0; e < 2; ++e) {
        ASSERT_GE(table[e][0].size(), 12u);
        EXPECT_EQ(table[e][0][11][0], static_cast<float>(e));
        EXPECT_GE(table[e][0][0][0], 100);
    }
}
