#pragma once

#include <memory>

#include "assets/Font.h"
#include "campaign/CampaignScript.h"
#include "campaign/UpgradeTable.h"
#include "combat/Player.h"
#include "settings/Settings.h"
#include "sound/SoundSystem.h"
#include "world/Universe.h"

// Start-up's stages, in order. The game starts SDL after the effects, opens
// its window (as the settings ask) before the sound, and readies OpenGL before the assets; every other
// program has that done first and loads all stages at once.
enum class StartupStage { effects, settings, sound, assets, world };

// Everything start-up loads, in one order and through one set of problem
// lines, for the game and for every program that runs the game's code on its
// data: the data check, the benchmark, the fuzz set-up and the reference
// scenes. Adding a data file is one more row in the list in Startup.cpp.
class Startup {
public:
    // Loads the data sets of one stage in order. False when one of them stops
    // start-up; then the rest are not loaded, except in a data check, which
    // reads every file to name every problem.
    bool load(StartupStage stage);
    // Every stage in order.
    bool loadAll();
    // After a new video mode: the data sets that live in OpenGL, read again
    // into the same places, without the progress lines.
    void reloadGraphics();

    // Set before loading.
    bool sayProgress = false;  // the game's progress lines
    bool withGl = true;        // images, shaders and the font need an OpenGL context
    bool withAudio = false;    // open the audio device with the sounds; else they are only checked
    bool withCampaign = false;  // the campaign's files, when the data set has them

    // Filled by loading. The universe points at the player.
    Settings settings;
    std::unique_ptr<SoundSystem> sound;
    Universe universe;
    std::unique_ptr<Player> player;
    std::unique_ptr<Font> font;
    // The campaign's script and its own universe; `campaign` is false when
    // the data set has none or it cannot be played.
    bool campaign = false;
    CampaignScript campaignScript;
    Universe campaignUniverse;
    // What a cleared world offers; empty without campaign/upgrades.txt.
    UpgradeTable upgrades;
};
