#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TestSupport.h"
#include "assets/Shaders.h"

namespace {

void copyPairs(int count) {
    for (int n = 0; n < count; ++n) {
        copyDataFile("shader" + std::to_string(n) + ".vs");
        copyDataFile("shader" + std::to_string(n) + ".fs");
    }
}

GLint linkStatus(GLuint program) {
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    return status;
}

}  // namespace

TEST(ReadEmitter, ReadsWholeFilesAndReportsTheLength) {
    ScratchDir dir;
    writeFile("text.txt", "line one\nline two\n");
    writeFile("empty.txt", "");
    testing::internal::CaptureStdout();
    std::unique_ptr<char[]> text = readEmitter("text.txt");
    std::unique_ptr<char[]> empty = readEmitter("empty.txt");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "File 'text.txt' is 18 long\nFile 'empty.txt' is 0 long\n");
    ASSERT_TRUE(text);
    EXPECT_STREQ(text.get(), "line one\nline two\n");
    ASSERT_TRUE(empty);
    EXPECT_STREQ(empty.get(), "");
}

TEST(ReadEmitter, MissingFileGivesNullAndAnErrorLine) {
    ScratchDir dir;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readEmitter("absent.vs"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Can't open file 'absent.vs' for reading\n");
}

const std::string plainVertex = "void main() { gl_Position = ftransform(); }\n";
const std::string plainFragment = "void main() { gl_FragColor = vec4(1.0); }\n";

void writePair(int n, bool withFragment = true) {
    writeFile("shader" + std::to_string(n) + ".vs", plainVertex);
    if (withFragment) {
        writeFile("shader" + std::to_string(n) + ".fs", plainFragment);
    }
}

TEST(ReadShaders, BuildsEveryPairInFileOrder) {
    ScratchDir dir;
    for (int n = 0; n < 3; ++n) {
        writePair(n);
    }
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::vector<GLuint> programs = readShaders();
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Can't open file 'shader3.vs' for reading\nCan't open file 'shader3.fs' for reading\n");
    ASSERT_EQ(programs.size(), 3u);
    for (GLuint program : programs) {
        EXPECT_EQ(linkStatus(program), GL_TRUE);
    }
    EXPECT_LT(programs[0], programs[1]);
    EXPECT_LT(programs[1], programs[2]);
}

TEST(ReadShaders, ReportsMissingProgramsAndStopsAtAHalfPair) {
    ScratchDir dir;
    writePair(0);
    writePair(1);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(readShaders().size(), 2u);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(problemLines(out), "Shader program 2 missing: trails will not be drawn\n");

    writePair(2, false);
    writePair(3);
    std::remove("shader1.fs");
    testing::internal::CaptureStdout();
    EXPECT_EQ(readShaders().size(), 1u);
    out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(problemLines(out), "Shader program 1 incomplete: shader1.fs missing\n"
                                 "Shader programs 1 and 2 missing: wormholes and trails will not be drawn\n");
}

TEST(ReadShaders, NoFilesGiveNoPrograms) {
    ScratchDir dir;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_TRUE(readShaders().empty());
    EXPECT_EQ(problemLines(testing::internal::GetCapturedStdout()),
              "Shader programs 0, 1 and 2 missing: the engine flame, wormholes "
              "and trails will not be drawn\n");
    testing::internal::GetCapturedStderr();
}

// A wrong uniform type would raise a GL error on every frame.
// A swapped pair never reaches the driver, which crashes linking it.
TEST(ReadShaders, ABrokenShaderIsNamedWithItsLogAndSwitchedOff) {
    const std::string cases[][3] = {
        {"void main() { gl_Position = undefinedThing; }\n", plainFragment,
         "shader0.vs does not compile, so shader program 0 is switched off: 0:1(29): error: `undefinedThing'"},
        {"uniform int particleHCthrust;\nvoid main() { gl_Position = gl_Vertex * float(particleHCthrust); }\n",
         plainFragment,
         "shader0.vs and shader0.fs: uniform particleHCthrust is not a float, so shader program 0 is "
         "switched off\n"},
        {"// gl_FragColor /* gl_FragData */\n\n" + plainFragment, "/* gl_Position\n*/\n" + plainVertex,
         "shader0.vs line 3: gl_FragColor belongs in a fragment shader (are the .vs and .fs files swapped?), "
         "so shader program 0 is switched off\n"
         "shader0.fs line 3: gl_Position belongs in a vertex shader (are the .vs and .fs files swapped?), "
         "so shader program 0 is switched off\n"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        writeFile("shader0.vs", c[0]);
        writeFile("shader0.fs", c[1]);
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        std::vector<GLuint> programs = readShaders();
        std::string out = testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        ASSERT_EQ(programs.size(), 1u);
        EXPECT_EQ(programs[0], 0u);
        EXPECT_NE(out.find(c[2]), std::string::npos) << out;
    }
}

// Any compiler or linker remark on the shipped sources would print an info
// log line; they must build silently on this driver.
TEST(ReadShaders, ShippedProgramsBuildWithoutRemarks) {
    ScratchDir dir;
    copyPairs(3);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::vector<GLuint> programs = readShaders();
    std::string out = testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(out.find("info log"), std::string::npos) << out;
    EXPECT_NE(out.find("Shaders read: 3\n"), std::string::npos) << out;
    ASSERT_EQ(programs.size(), 3u);
    for (GLuint program : programs) {
        EXPECT_EQ(linkStatus(program), GL_TRUE);
    }
}
