#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TestSupport.h"
#include "campaign/SaveFile.h"
#include "core/WriteFolder.h"

namespace {

const uid_t nobody = 65534;

SavedCampaign saveWithScore(long long score) {
    SavedCampaign save;
    save.run = RunResult{score, 3, 0, 60000, "normal"};
    save.health = 100;
    return save;
}

std::string fileText(const std::string& name) {
    std::ifstream in(name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(SaveFile, ASaveIntoAReadOnlyFolderSaysWhyAndTheOldSaveStays) {
    ScratchDir scratch;
    std::string own = scratch.path + "/home/rerara";
    std::filesystem::create_directories(own);
    writeFile(own + "/" + saveFileName, "the old save\n");
    setenv("XDG_DATA_HOME", (scratch.path + "/home").c_str(), 1);
    setenv("RERARA_INSTALLED", "1", 1);
    // Root may write anywhere: the test plays a player, who owns the folder.
    bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chmod(scratch.path.c_str(), 0755), 0);
        ASSERT_EQ(chown(own.c_str(), nobody, nobody), 0);
        ASSERT_EQ(seteuid(nobody), 0);
    }
    ASSERT_EQ(chmod(own.c_str(), 0555), 0);
    testing::internal::CaptureStdout();
    WriteResult result = writeSave(saveWithScore(500));
    std::string said = testing::internal::GetCapturedStdout();
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    unsetenv("XDG_DATA_HOME");
    unsetenv("RERARA_INSTALLED");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.reason, "the folder is read-only");
    EXPECT_EQ(said, "Could not write " + own + "/" + saveFileName + ": Permission denied\n");
    EXPECT_EQ(fileText(own + "/" + saveFileName), "the old save\n");
    chmod(own.c_str(), 0755);
}

// The first game holds the save till it ends: the second neither mixes its
// lines in nor replaces the save under it.
TEST(SaveFile, ASecondGameOnTheSameSaveSaysSoAndWritesNothing) {
    ScratchDir scratch;
    int saved[2];
    int ended[2];
    ASSERT_EQ(pipe(saved), 0);
    ASSERT_EQ(pipe(ended), 0);
    pid_t first = fork();
    ASSERT_GE(first, 0);
    if (first == 0) {
        char written = writeSave(saveWithScore(111)).written ? 'y' : 'n';
        close(ended[1]);
        bool told = write(saved[1], &written, 1) == 1;
        // Plays on till the test is done with its own save.
        bool waited = read(ended[0], &written, 1) >= 0;
        _exit(told && waited ? 0 : 1);
    }
    close(ended[0]);
    char written = 0;
    ASSERT_EQ(read(saved[0], &written, 1), 1);
    EXPECT_EQ(written, 'y');

    testing::internal::CaptureStdout();
    WriteResult second = writeSave(saveWithScore(222));
    std::string said = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(second.written);
    EXPECT_EQ(second.reason, "another game is using the same file");
    EXPECT_EQ(said, std::string("Could not write ") + saveFileName + ": another game is using the same file\n");
    EXPECT_NE(fileText(saveFileName).find("\nscore 111\n"), std::string::npos);

    close(ended[1]);
    int status = 1;
    ASSERT_EQ(waitpid(first, &status, 0), first);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(writeSave(saveWithScore(222)).written);
    EXPECT_NE(fileText(saveFileName).find("\nscore 222\n"), std::string::npos);
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_EQ(entry.path().extension(), entry.path().filename() == saveFileName ? ".txt" : ".lock");
    }
}

// Run as root in a player's folder, the game leaves what it makes there to
// the player; installed, it makes nothing in another user's folder.
TEST(SaveFile, RunAsRootTheGameLeavesAPlayersFolderToThePlayer) {
    if (geteuid() != 0) GTEST_SKIP() << "only root makes files for another user";
    ScratchDir scratch;
    std::filesystem::create_directories("player");
    ASSERT_EQ(chown("player", nobody, nobody), 0);
    ASSERT_TRUE(replaceFile("player/saves/campaign-save.txt", "saved\n", "Could not write ", true).written);
    for (const char* made : {"player/saves", "player/saves/campaign-save.txt", "player/saves/campaign-save.txt.lock"}) {
        struct stat info {};
        ASSERT_EQ(stat(made, &info), 0) << made;
        EXPECT_EQ(info.st_uid, nobody) << made;
    }
    setenv("RERARA_INSTALLED", "1", 1);
    testing::internal::CaptureStdout();
    WriteResult refused = replaceFile("player/own/settings.txt", "saved\n", "Could not write ");
    std::string said = testing::internal::GetCapturedStdout();
    unsetenv("RERARA_INSTALLED");
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.reason, "the game runs as root and leaves another user's folder alone");
    EXPECT_EQ(said, "Could not write player/own/settings.txt: " + refused.reason + "\n");
    EXPECT_FALSE(std::filesystem::exists("player/own"));
}
