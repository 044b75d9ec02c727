// A replay's file on plain values: frames come back exactly as played,
// ten minutes of busy play stay small, and damage is named, not misread.
#include <gtest/gtest.h>

#include <cmath>

#include "replay/ReplayFile.h"

namespace {

// Ten minutes at 60 frames a second as a player flies them: frame times of
// 16 and 17 ms, keys held for a while, a stick's shares now and then, the
// gun firing two frames in five at a moving aim, a weapon change, a pause.
Replay tenMinutes() {
    Replay replay;
    replay.header.gameVersion = gameVersion();
    replay.header.difficulty = "normal";
    replay.header.date = "2024-05-01 18:30:05";
    replay.header.spawnIntervalMs = 500;
    for (int i = 0; i < 36000; ++i) {
        ReplayFrame frame;
        frame.frameTime = i % 3 == 0 ? 17 : 16;
        frame.command.thrust = (i / 40) % 3 == 0 ? 1 : 0;
        frame.command.turnLeft = (i / 25) % 4 == 1 ? 1 : 0;
        if ((i / 300) % 7 == 3) frame.command.turnRight = 0.37f + 0.001f * static_cast<float>(i % 50);
        frame.command.fire = i % 5 < 2;
        frame.aim = point{1234.5f + 3.1f * std::sin(i * 0.01f) * 900, -6000.25f + 0.37f * static_cast<float>(i)};
        if (i % 1000 == 0) frame.command.weapon = (i / 1000) % 3;
        frame.spawnIntervalMs = i < 20000 ? 500 : 250;
        frame.pausedAfter = i == 12345;
        replay.frames.push_back(frame);
    }
    return replay;
}

void expectSameFrames(const Replay& a, const Replay& b) {
    ASSERT_EQ(a.frames.size(), b.frames.size());
    for (size_t i = 0; i < a.frames.size(); ++i) {
        const ReplayFrame& x = a.frames[i];
        const ReplayFrame& y = b.frames[i];
        ASSERT_EQ(x.frameTime, y.frameTime) << i;
        ASSERT_EQ(x.command.thrust, y.command.thrust) << i;
        ASSERT_EQ(x.command.turnLeft, y.command.turnLeft) << i;
        ASSERT_EQ(x.command.turnRight, y.command.turnRight) << i;
        ASSERT_EQ(x.command.fire, y.command.fire) << i;
        ASSERT_EQ(x.command.weapon, y.command.weapon) << i;
        if (x.command.fire) {
            ASSERT_EQ(x.aim.x, y.aim.x) << i;
            ASSERT_EQ(x.aim.y, y.aim.y) << i;
        }
        ASSERT_EQ(x.spawnIntervalMs, y.spawnIntervalMs) << i;
        ASSERT_EQ(x.pausedAfter, y.pausedAfter) << i;
    }
}

TEST(ReplayFile, TenMinutesOfPlayComeBackExactlyInUnder200KB) {
    Replay played = tenMinutes();
    played.header.ended = true;
    played.header.figures = RunFigures{"Far Side", 1250, 14, 1, 600000};
    played.header.save = {"version 1", "world 1"};
    // An endless run's seed is any 64-bit number.
    played.header.mode = ReplayMode::endless;
    played.header.worldSeed = UINT64_MAX;
    std::string text = replayText(played);
    EXPECT_LT(text.size(), 200u * 1024);
    Replay read;
    std::string problem;
    int line = 0;
    ASSERT_TRUE(parseReplay(text, read, problem, line)) << problem;
    expectSameFrames(played, read);
    EXPECT_EQ(read.header.save, played.header.save);
    EXPECT_EQ(read.header.worldSeed, UINT64_MAX);
    EXPECT_EQ(closingLine(read.header.mode, read.header.figures),
              "Run ended: endless, world Far Side, score 1250, kills 14, deaths 1, time 10:00");
}

TEST(ReplayFile, DamageIsNamedWithItsLine) {
    std::string text = replayText(tenMinutes());
    Replay read;
    std::string problem;
    int line = 0;
    std::string seed = text;
    seed.replace(seed.find("seed 0"), 6, "seed x");
    EXPECT_FALSE(parseReplay(seed, read, problem, line));
    EXPECT_EQ(line, 6);
    EXPECT_EQ(problem, "seed must be a whole number from 0 to 4294967295");
    // One byte of the deflated frames changed, or the file cut short.
    std::string flipped = text;
    flipped[flipped.size() - 100] ^= 0x55;
    EXPECT_FALSE(parseReplay(flipped, read, problem, line));
    EXPECT_FALSE(parseReplay(text.substr(0, text.size() - 1), read, problem, line));
    EXPECT_EQ(problem, "the frames are cut short or followed by more");
    // A header that counts one frame fewer than the body holds.
    std::string counted = text;
    counted.replace(counted.find("frames 36000"), 12, "frames 35999");
    EXPECT_FALSE(parseReplay(counted, read, problem, line));
    EXPECT_EQ(problem, "more frames than the header says");
}

}  // namespace
