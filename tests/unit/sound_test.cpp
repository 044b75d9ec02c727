#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <vector>

#include "TestSupport.h"
#include "core/Platform.h"
#include "sound/Limiter.h"
#include "sound/MusicMood.h"
#include "sound/SoundRules.h"
#include "sound/SoundSystem.h"
#include "sound/WavFile.h"

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
    StereoGains rightGains = stereoGains(right.pan, 1);
    EXPECT_GT(right.pan, 0);
    EXPECT_EQ(rightGains.right, 255);
    EXPECT_LT(rightGains.left, 255);
    StereoGains farLeft = stereoGains(placeSound(ship, point{-8000, -500}).pan, 1);
    EXPECT_EQ(farLeft.left, 255);
    EXPECT_GT(farLeft.right, 50);  // the far ear still hears it
    StereoGains above = stereoGains(placeSound(ship, point{1000, 2000}).pan, 1);
    EXPECT_EQ(above.left, 255);
    EXPECT_EQ(above.right, 255);
    // Straight beside the ship is fully on that side, at the ship part of the way.
    EXPECT_FLOAT_EQ(placeSound(ship, point{-500, -500}).pan, -1);
    EXPECT_FLOAT_EQ(placeSound(ship, point{1300, -500}).pan, 0.3f);
    EXPECT_EQ(stereoGains(-1, 0.5f).right, 32);  // the level scales both ears
}

// Down within a quarter second under a busy fight, in steps under 1 dB;
// back over about two once it is over; a lighter fight, part of the way.
TEST(SoundRules, MusicStepsBackUnderAFightAndReturnsSmoothly) {
    float duck = 0;
    for (int ms = 0; ms < 250; ms += 16) {
        EXPECT_LT(musicDuck(duck, fullDuckBusy, 16) - duck, 1.0f);
        duck = musicDuck(duck, fullDuckBusy, 16);
    }
    EXPECT_GT(duck, 0.9f * musicDuckDepthDb);
    EXPECT_NEAR(musicDuck(0, fullDuckBusy / 2, 5000), musicDuckDepthDb / 2, 0.01f);
    EXPECT_GT(musicDuck(duck, 0, 1000), 0.5f);
    EXPECT_LT(musicDuck(duck, 0, 3000), 0.1f);
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

TEST(MusicMood, TitleOnTheMenusFightWhileEnemiesAreNearFreeFlightOnlyWhenAsked) {
    for (bool freeFlightMusic : {false, true}) {
        EXPECT_EQ(musicMood(MusicScene::menus, freeFlightMusic, 0), MusicMood::title);
        EXPECT_EQ(musicMood(MusicScene::campaign, freeFlightMusic, 0), MusicMood::fight);
        EXPECT_EQ(musicMood(MusicScene::campaign, freeFlightMusic, fightHoldMs - 1), MusicMood::fight);
        EXPECT_EQ(musicMood(MusicScene::campaign, freeFlightMusic, fightHoldMs), MusicMood::calm);
    }
    EXPECT_EQ(musicMood(MusicScene::freeFlight, false, 0), MusicMood::silent);
    EXPECT_EQ(musicMood(MusicScene::freeFlight, false, fightHoldMs), MusicMood::silent);
    EXPECT_EQ(musicMood(MusicScene::freeFlight, true, 0), MusicMood::fight);
    EXPECT_EQ(musicMood(MusicScene::freeFlight, true, fightHoldMs), MusicMood::calm);
}

namespace {
// A WAV file's bytes from its header fields, with `extra` chunks before the data.
struct WavFields {
    int format = 1;
    int channels = 1;
    long rate = 22050;
    int bits = 16;
    int blockAlign = -1;  // -1: what the channels and bits make
    std::string data = std::string(8, '\1');
    long dataSize = -1;   // -1: the data's own size
    std::string extra;
    int fmtSize = 16;
};

std::string little(unsigned long value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string wavBytes(const WavFields& f) {
    int align = f.blockAlign >= 0 ? f.blockAlign : f.channels * f.bits / 8;
    std::string fmt = little(f.format, 2) + little(f.channels, 2) + little(f.rate, 4) + little(f.rate * align, 4) +
                      little(align, 2) + little(f.bits, 2);
    std::string body = "WAVEfmt " + little(f.fmtSize, 4) + fmt.substr(0, f.fmtSize) + f.extra + "data" +
                       little(f.dataSize >= 0 ? f.dataSize : f.data.size(), 4) + f.data;
    return "RIFF" + little(body.size(), 4) + body;
}

struct HeaderCase {
    const char* what;
    WavFields fields;
    const char* problem;  // "" when the file is accepted
};
}  // namespace

// Each header field the mixer would trust, at and beyond what is accepted.
TEST(WavFile, AcceptsOnlyHeadersItCanVouchFor) {
    auto with = [](auto change) {
        WavFields fields;
        change(fields);
        return fields;
    };
    const HeaderCase cases[] = {
        {"16-bit mono", WavFields{}, ""},
        {"8-bit stereo at 4000 Hz", with([](WavFields& f) { f.bits = 8, f.channels = 2, f.rate = 4000; }), ""},
        {"192000 Hz", with([](WavFields& f) { f.rate = 192000; }), ""},
        {"3999 Hz", with([](WavFields& f) { f.rate = 3999; }),
         "sample rate 3999 Hz is not between 4000 and 192000"},
        {"100 Hz", with([](WavFields& f) { f.rate = 100, f.bits = 8; }),
         "sample rate 100 Hz is not between 4000 and 192000"},
        {"3.07 MHz", with([](WavFields& f) { f.rate = 3070000; }),
         "sample rate 3070000 Hz is not between 4000 and 192000"},
        {"no channels", with([](WavFields& f) { f.channels = 0; }), "0 channels (1 or 2 are played)"},
        {"3 channels", with([](WavFields& f) { f.channels = 3; }), "3 channels (1 or 2 are played)"},
        {"24 bits", with([](WavFields& f) { f.bits = 24; }), "24 bits a sample (8 or 16 are played)"},
        {"ADPCM, block align 0", with([](WavFields& f) { f.format = 2, f.bits = 4, f.blockAlign = 0; }),
         "format 2 is not PCM (1)"},
        {"block align off", with([](WavFields& f) { f.blockAlign = 4; }),
         "block align 4 does not match 1 channels of 16 bits"},
        {"size that wraps", with([](WavFields& f) { f.dataSize = 0xFFFFFFFF; }),
         "data chunk of 4294967295 bytes runs past the end of the file (8 left)"},
        {"no whole sample", with([](WavFields& f) { f.data = "\1"; }), "data chunk holds no whole sample"},
        {"short fmt", with([](WavFields& f) { f.fmtSize = 14; }), "fmt chunk of 14 bytes, shorter than 16"},
        {"odd chunk skipped", with([](WavFields& f) { f.extra = "LIST" + little(3, 4) + "abc" + '\0'; }), ""},
        {"chunk past the end", with([](WavFields& f) { f.extra = "LIST" + little(0xFFFFFFF0, 4); }),
         "no data chunk"},
    };
    for (const HeaderCase& c : cases) {
        WavSound sound;
        std::string problem;
        EXPECT_EQ(parseWav(wavBytes(c.fields), sound, problem), c.problem[0] == '\0') << c.what << ": " << problem;
        if (c.problem[0] != '\0') {
            EXPECT_EQ(problem, c.problem) << c.what;
        }
    }
    std::string problem;
    WavSound sound;
    EXPECT_FALSE(parseWav("RIFF\0\0\0\0WAVX", sound, problem));
    EXPECT_EQ(problem, "not a RIFF WAVE file");
}

// What the mixer is given: the same samples in its format, at its rate.
TEST(WavFile, ConvertsToTheMixersFormat) {
    WavSound mono{22050, 1, 16, {0x34, 0x12, 0xFE, 0xFF}};
    EXPECT_EQ(convertWav(mono, 22050, AUDIO_S16LSB, 2),
              (std::vector<std::uint8_t>{0x34, 0x12, 0x34, 0x12, 0xFE, 0xFF, 0xFE, 0xFF}));
    EXPECT_EQ(convertWav(mono, 22050, AUDIO_U8, 1), (std::vector<std::uint8_t>{0x92, 0x7F}));
    WavSound stereo8{11025, 2, 8, {128, 192, 0, 255}};
    // Averaged into one channel of 16 bits (0x2000, then -128), twice as
    // many frames, the new ones halfway between.
    std::vector<std::uint8_t> out = convertWav(stereo8, 22050, AUDIO_S16MSB, 1);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0] << 8 | out[1], 0x2000);
    EXPECT_EQ(static_cast<std::int16_t>(out[2] << 8 | out[3]), (0x2000 - 128) / 2);
    EXPECT_EQ(static_cast<std::int16_t>(out[4] << 8 | out[5]), -128);
}

// A quiet mix comes back up unchanged; a loud one is held at the ceiling,
// and the gain recovers after it.
TEST(Limiter, BringsTheMixBackUpAndHoldsItUnderTheCeiling) {
    Limiter limiter(4, 2, 22050);
    std::vector<Sint16> quiet(200, 1500), loud(2000, -20000), after(44100, 1500);
    for (std::vector<Sint16>* mix : {&quiet, &loud, &after}) {
        limiter.process(mix->data(), static_cast<int>(mix->size()));
    }
    EXPECT_EQ(quiet.back(), 6000);
    EXPECT_EQ(std::count(loud.begin(), loud.end(), Sint16(-limiterCeiling)), 2000);
    EXPECT_LT(after.front(), 6000);
    EXPECT_EQ(after.back(), 6000);
}

// Runs on SDL's dummy audio driver, which plays in real time into nothing.
TEST(SoundSystem, LimitsInstancesCrossFadesMusicMutesAndSilencesAMissingFile) {
    ScratchDir dir;
    std::filesystem::copy(dataDir() + "/sounds", "sounds");
    std::filesystem::copy(dataDir() + "/music", "music");
    std::filesystem::remove("sounds/ram.wav");
    testing::internal::CaptureStdout();
    SoundSystem sound{SoundSettings{}};
    std::string said = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(sound.open) << said;
    EXPECT_NE(said.find("sounds/ram.wav"), std::string::npos) << said;
    EXPECT_EQ(said.find("music/"), std::string::npos) << said;  // the shipped loops pass every check

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
    EXPECT_GT(sound.duckDb, 2);  // the music steps back under the fight

    // A fight sound comes in a copy at each pitch, the highest shortest; a loop in one.
    const std::vector<Mix_Chunk*>& shots = sound.chunks[static_cast<int>(SoundEffect::gunShot)];
    ASSERT_EQ(shots.size(), std::size(fightPitches));
    EXPECT_LT(shots.back()->alen, shots.front()->alen);
    EXPECT_EQ(sound.chunks[static_cast<int>(SoundEffect::laser)].size(), 1u);

    // Keys let go while paused: the loops do not come back on resume.
    sound.pause(true);
    sound.pause(false);
    sound.finishFrame(point{0, 0}, 0.0f);
    EXPECT_EQ(sound.playing(SoundEffect::engine), 0);
    EXPECT_EQ(sound.playing(SoundEffect::laser), 0);
    EXPECT_EQ(sound.playing(SoundEffect::gunShot), soundFile(SoundEffect::gunShot).atOnce);

    // The music gives way to a new mood, and stays away while muted.
    sound.playMusic(MusicMood::calm);
    EXPECT_EQ(sound.music->playing(MusicMood::calm), 1);
    sound.playMusic(MusicMood::fight);
    EXPECT_EQ(sound.music->playing(MusicMood::calm), 0);
    EXPECT_EQ(sound.music->playing(MusicMood::fight), 1);

    sound.toggleMute();
    sound.request(SoundRequest{SoundEffect::gunShot, point{0, 0}, true});
    sound.finishFrame(point{0, 0}, 1.0f);
    sound.playMusic(MusicMood::fight);
    for (int i = 0; i < soundEffectCount; ++i) {
        EXPECT_EQ(sound.playing(static_cast<SoundEffect>(i)), 0);
    }
    EXPECT_EQ(sound.music->playing(MusicMood::fight), 0);
}
