#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "assets/DataReport.h"
#include "screens/ControlsTable.h"
#include "settings/InputNames.h"
#include "settings/SettingsFile.h"

namespace {
Settings readQuietly(const std::string& file, std::string& said) {
    testing::internal::CaptureStdout();
    Settings settings = readSettings(file);
    said = testing::internal::GetCapturedStdout();
    return settings;
}
}  // namespace

TEST(SettingsFile, ReadsEveryKindOfLineAndNamesTheBadOnes) {
    ScratchDir dir;
    std::string said;
    EXPECT_EQ(readQuietly("settings.txt", said).volume, 100);  // no file: the defaults
    EXPECT_EQ(said, "");
    writeFile("settings.txt", std::string(byteOrderMark) +
                                  "volume 40  # quieter\nvolume loud\nvolume 101\nbass 3\n"
                                  "mouse_sensitivity 20\r\nmouse_sensitivity 250\r\n"
                                  "full_screen yes\nfreeflight_hud on\ndifficulty hard\n"
                                  "bind thrust I\nbind reverse left shift\nbind jump k\n"
                                  "bind fire escape\nbind fire nokey\nbind map wheel up\n"
                                  "pad fire axis 5+\npad pause hat 0 left\npad map stick\nbind\n");
    int problems = DataReport::totalErrors;
    Settings settings = readQuietly("settings.txt", said);
    EXPECT_EQ(said,
              "settings.txt line 2: volume must be a whole number from 0 to 100, using 40\n"
              "settings.txt line 3: volume must be a whole number from 0 to 100, using 40\n"
              "settings.txt line 4: unknown setting 'bass', ignored\n"
              "settings.txt line 5: mouse_sensitivity must be a whole number from 25 to 400, using 100\n"
              "settings.txt line 7: full_screen must be on or off, using off\n"
              "settings.txt line 12: unknown action 'jump', ignored\n"
              "settings.txt line 13: escape cannot be bound, it always pauses and backs out of "
              "menus, fire keeps space\n"
              "settings.txt line 14: unknown key 'nokey', fire keeps space\n"
              "settings.txt line 18: unknown pad control 'stick', map keeps button 6\n"
              "settings.txt line 19: bind needs an action and what to bind it to, ignored\n");
    EXPECT_EQ(DataReport::totalErrors - problems, 10);
    EXPECT_EQ(settings.volume, 40);
    EXPECT_EQ(settings.mouseSensitivity, 250);
    EXPECT_FALSE(settings.fullScreen);
    EXPECT_TRUE(settings.freeFlightHud);
    EXPECT_EQ(settings.difficulty, "hard");
    EXPECT_EQ(settings.bindings[Action::thrust].key, KeyInput::key(SDLK_i));
    EXPECT_EQ(settings.bindings[Action::thrust].pad, PadInput::axis(1, -1));  // its pad binding stays
    EXPECT_EQ(settings.bindings[Action::reverse].key, KeyInput::key(SDLK_LSHIFT));
    EXPECT_EQ(settings.bindings[Action::fire].key, KeyInput::key(SDLK_SPACE));
    EXPECT_EQ(settings.bindings[Action::fire].pad, PadInput::axis(5, +1));
    EXPECT_EQ(settings.bindings[Action::pause].pad, PadInput::hat(0, SDL_HAT_LEFT));
    // The wheel now opens the map and zooms in too: a clash, shown, not refused.
    EXPECT_EQ(settings.bindings[Action::map].key, KeyInput::mouse(SDL_BUTTON_WHEELUP));
    EXPECT_TRUE(keyClashes(settings.bindings, Action::zoomIn));
    EXPECT_FALSE(keyClashes(settings.bindings, Action::zoomOut));
}

TEST(SettingsFile, SavedSettingsReadBackWithoutAWordAndTheShippedFileGivesTheDefaults) {
    ScratchDir dir;
    std::string said;
    copyDataFile("settings.txt");
    Settings shipped = readQuietly("settings.txt", said);
    EXPECT_EQ(said, "");
    EXPECT_EQ(settingsText(shipped), settingsText(Settings{}));

    Settings changed;
    changed.volume = 0;
    changed.musicVolume = 100;
    changed.fullScreen = true;
    changed.mouseSensitivity = 25;
    changed.difficulty = "easy";
    changed.freeFlightStatusLines = false;
    changed.freeFlightLabels = changed.freeFlightMarkers = changed.freeFlightMusic = true;
    changed.hints = false;
    changed.padDeadZone = 90;
    changed.bindings[Action::thrust] = Binding{KeyInput::key(SDLK_UP), PadInput::hat(0, SDL_HAT_UP)};
    changed.bindings[Action::fire] = Binding{KeyInput::mouse(SDL_BUTTON_LEFT), PadInput{}};
    changed.bindings[Action::quit].key = KeyInput{};
    changed.bindings[Action::map].key = KeyInput::key(SDLK_HASH);  // '#' starts a comment
    ASSERT_TRUE(writeSettings(changed, "own/rerara/settings.txt"));  // makes the folders
    Settings read = readQuietly("own/rerara/settings.txt", said);
    EXPECT_EQ(said, "");
    EXPECT_EQ(settingsText(read), settingsText(changed));
    for (const auto& entry : std::filesystem::directory_iterator("own/rerara")) {
        EXPECT_EQ(entry.path().filename(), "settings.txt");  // no temporary file left
    }

    writeFile("blocked", "");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeSettings(changed, "blocked/settings.txt"));
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind(
                  "Settings not saved: cannot write blocked/settings.txt: ", 0),
              0u);
}

TEST(SettingsFile, ALinkIsWrittenThroughAndAFileThatCannotBeReadIsNeverOverwritten) {
    ScratchDir dir;
    std::string said;
    std::filesystem::create_directories("kept");
    writeFile("kept/mine.txt", "volume 30\n");
    std::filesystem::create_symlink("kept/mine.txt", "settings.txt");
    Settings settings = readQuietly("settings.txt", said);
    EXPECT_EQ(settings.volume, 30);
    settings.volume = 60;
    ASSERT_TRUE(writeSettings(settings, "settings.txt"));
    EXPECT_TRUE(std::filesystem::is_symlink("settings.txt"));
    EXPECT_EQ(readQuietly("kept/mine.txt", said).volume, 60);

    std::string huge = "volume 10\n" + std::string(300 << 10, ' ');
    writeFile("settings.txt", huge);  // through the link
    settings = readQuietly("settings.txt", said);
    EXPECT_EQ(said, "settings.txt: 307210 bytes, more than the 256 KB a settings or save file may have; "
                    "the defaults are used and the file is left as it is\n");
    EXPECT_EQ(settings.volume, 100);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(writeSettings(settings, "kept/mine.txt"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Settings not saved: kept/mine.txt could not be read, so it is left as it is\n");
    EXPECT_EQ(std::filesystem::file_size("kept/mine.txt"), huge.size());
}

// The campaign may name difficulties of its own; settings.txt may choose one.
TEST(SettingsFile, TheDifficultyIsOneTheCampaignOffers) {
    ScratchDir dir;
    std::string said;
    writeFile("settings.txt", "volume 80\ndifficulty brutal\n");
    Settings settings = readQuietly("settings.txt", said);
    EXPECT_EQ(said, "");
    testing::internal::CaptureStdout();
    checkDifficulty(settings, {"easy", "brutal"});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(settings.difficulty, "brutal");
    testing::internal::CaptureStdout();
    checkDifficulty(settings, {"easy", "normal", "hard"});
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "settings.txt line 2: difficulty must be easy, normal or hard, using normal\n");
    EXPECT_EQ(settings.difficulty, "normal");
}

TEST(InputNames, EveryKeyButtonAndPadControlReadsBackFromItsName) {
    for (int code = 1; code < SDLK_LAST; ++code) {
        KeyInput key = KeyInput::key(static_cast<SDLKey>(code)), read;
        ASSERT_TRUE(keyFromName(keyName(key), read)) << keyName(key);
        EXPECT_EQ(read, key) << keyName(key);
    }
    for (int button = 1; button < 32; ++button) {
        KeyInput mouse = KeyInput::mouse(button), read;
        ASSERT_TRUE(keyFromName(keyName(mouse), read)) << keyName(mouse);
        EXPECT_EQ(read, mouse);
    }
    for (PadInput pad : {PadInput::button(12), PadInput::axis(0, -1), PadInput::axis(255, +1),
                         PadInput::hat(1, SDL_HAT_RIGHT), PadInput{}}) {
        PadInput read = PadInput::button(99);
        ASSERT_TRUE(padFromName(padName(pad), read)) << padName(pad);
        EXPECT_EQ(read, pad) << padName(pad);
    }
    EXPECT_EQ(keyLabel(KeyInput::key(SDLK_F12)), "F12");
    Bindings defaults = defaultBindings();
    for (int i = 0; i < actionCount; ++i) {
        EXPECT_FALSE(keyClashes(defaults, static_cast<Action>(i)) || padClashes(defaults, static_cast<Action>(i)))
            << actionName(static_cast<Action>(i));
    }
}

// The key editor says in words what a clashing key or pad control also sets off.
TEST(ControlsTable, AClashNamesTheOtherActions) {
    Bindings bindings = defaultBindings();
    EXPECT_EQ(clashText(bindings, Action::nextWeapon), "");
    bindings[Action::fire].key = KeyInput::key(SDLK_e);
    EXPECT_EQ(clashText(bindings, Action::fire), "E is also Next weapon");
    bindings[Action::map].key = KeyInput::key(SDLK_e);
    bindings[Action::map].pad = bindings[Action::fire].pad;
    EXPECT_EQ(clashText(bindings, Action::nextWeapon), "E is also Fire (hold) and Large map");
    EXPECT_EQ(clashText(bindings, Action::map), "E is also Fire (hold) and Next weapon; Pad button 0 is also Fire (hold)");
}
