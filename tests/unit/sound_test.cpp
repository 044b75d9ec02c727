#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "core/Platform.h"
#include "sound/SoundRules.h"
#include "sound/SoundSettings.h"
#include "sound/SoundSystem.h"

TEST(SoundRules, FadesWithDistanceAndPansToTheSourceSide) {
    point ship{1000, -500};
    SoundPlacement here = placeSound(ship, ship);
    EXPECT_FLOAT_EQ(here.volume, 1);
    EXPECT_FLOAT_EQ(here.pan, 0);
    EXPECT_GT(placeSound(ship, point{1000, 500}).volume, placeSound(ship, point{1000, 3500}).volume);
    EXPECT_GT(placeSound(ship, point{1000, 9400}).volume, 0);
    EXPECT_EQ(placeSound(ship, point{1000, 9500}).volume, 0);  // the radar's edge
    EXPECT_EQ(placeSound(ship, point{-90000, 0}).volume, 0);

    SoundPlacement right = placeSound(ship, point{2500, -500});
    StereoGains rightGains = stereoGains(right.pan);
    EXPECT_GT(right.pan, 0);
    EXPECT_EQ(rightGains.right, 255);
    EXPECT_LT(rightGains.left, 255);
    StereoGains farLeft = stereoGains(placeSound(ship, point{-8000, -500}).pan);
    EXPECT_EQ(farLeft.left, 255);
    EXPECT_GT(farLeft.right, 50);  // the far ear still hears it
    StereoGains above = stereoGains(placeSound(ship, point{1000, 2000}).pan);
    EXPECT_EQ(above.left, 255);
    EXPECT_EQ(above.right, 255);
}

TEST(SoundRules, OneStartPerSoundPerFrameTheLoudestHeard) {
    point ship{0, 0};
    std::vector<SoundRequest> frame;
    for (int i = 1; i <= 10; ++i) {
        frame.push_back(SoundRequest{SoundEffect::explosion, point{i * 500.0f, 0}, false});
    }
    frame.push_back(SoundRequest{SoundEffect::ram, point{20000, 0}, false});  // beyond hearing
    frame.push_back(SoundRequest{SoundEffect::gunShot, point{20000, 0}, true});  // the ship's own
    std::vector<SoundStart> starts = loudestPerEffect(frame, ship);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].effect, SoundEffect::explosion);
    EXPECT_FLOAT_EQ(starts[0].placement.volume, placeSound(ship, point{500, 0}).volume);
    EXPECT_EQ(starts[1].effect, SoundEffect::gunShot);
    EXPECT_FLOAT_EQ(starts[1].placement.volume, 1);

    const SoundFile& explosion = soundFile(SoundEffect::explosion);
    EXPECT_TRUE(mayStart(explosion, explosion.atOnce - 1, explosion.minGapMs));
    EXPECT_FALSE(mayStart(explosion, explosion.atOnce, 5000));
    EXPECT_FALSE(mayStart(explosion, 0, explosion.minGapMs - 1));
}

// Runs on SDL's dummy audio driver, which plays in real time into nothing.
TEST(SoundSystem, LimitsInstancesMutesAndSilencesAMissingFile) {
    ScratchDir dir;
    std::filesystem::copy(dataDir() + "/sounds", "sounds");
    std::filesystem::remove("sounds/ram.wav");
    testing::internal::CaptureStdout();
    SoundSystem sound{SoundSettings{}};
    std::string said = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(sound.open) << said;
    EXPECT_NE(said.find("sounds/ram.wav"), std::string::npos) << said;

    Uint32 now = 1000;
    setTicksForTesting(&now);
    for (int frame = 0; frame < 10; ++frame, now += 16) {
        for (SoundEffect effect : {SoundEffect::gunShot, SoundEffect::explosion, SoundEffect::ram}) {
            sound.request(SoundRequest{effect, point{0, 0}, true});
        }
        sound.request(SoundRequest{SoundEffect::laser, point{0, 0}, true});
        sound.finishFrame(point{0, 0}, 1.0f);
    }
    setTicksForTesting(nullptr);
    EXPECT_EQ(sound.playing(SoundEffect::gunShot), soundFile(SoundEffect::gunShot).atOnce);
    EXPECT_EQ(sound.playing(SoundEffect::explosion), 2);  // 160 ms at least 100 ms apart
    EXPECT_EQ(sound.playing(SoundEffect::ram), 0);
    EXPECT_EQ(sound.playing(SoundEffect::engine), 1);
    EXPECT_EQ(sound.playing(SoundEffect::laser), 1);

    sound.toggleMute();
    sound.request(SoundRequest{SoundEffect::gunShot, point{0, 0}, true});
    sound.finishFrame(point{0, 0}, 1.0f);
    for (int i = 0; i < soundEffectCount; ++i) {
        EXPECT_EQ(sound.playing(static_cast<SoundEffect>(i)), 0);
    }
}
