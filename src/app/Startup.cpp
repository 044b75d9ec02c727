#include "app/Startup.h"

#include <GL/glew.h>

#include <iostream>

#include "assets/DataReport.h"
#include "assets/EmitterData.h"
#include "assets/NamedImages.h"
#include "assets/Shaders.h"
#include "assets/ShipLooks.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "campaign/CampaignSetup.h"
#include "core/WriteFolder.h"
#include "hud/HudArt.h"
#include "settings/SettingsFile.h"
#include "sound/Sound.h"
#include "sound/SoundFiles.h"
#include "world/PlayerSetup.h"
#include "world/WorldSetup.h"

namespace {

// One data set: its stage, whether it needs OpenGL, its loader (false stops
// start-up) and the game's progress lines before and after it.
struct DataSet {
    StartupStage stage;
    bool needsGl;
    bool (*load)(Startup& startup);
    const char* sayBefore;
    const char* sayAfter;
};

bool readEffects(Startup&) {
    emitters = readAndExpandEmitterData();
    return true;
}

bool readPlayerSettings(Startup& startup) {
    startup.settings = readSettings(settingsFileName());
    return true;
}

// The game opens the device first and reads the sounds only when it has one.
bool readSounds(Startup& startup) {
    if (!startup.withAudio) {
        checkSoundFiles();
        return true;
    }
    startup.sound = std::make_unique<SoundSystem>(SoundSettings{startup.settings.volume, startup.settings.musicVolume});
    useSoundSystem(startup.sound.get());
    return true;
}

bool readImages(Startup&) {
    loadTextures();
    return true;
}

bool readWeapons(Startup&) { return initializeWeaponArray(); }

bool readShips(Startup&) { return initializeShipArray(); }

bool readShipLooks(Startup&) {
    registerShipLooks();
    return true;
}

bool readShaderPrograms(Startup& startup) {
    shaderListEndSaid = !startup.withCampaign;
    shaders = readShaders();
    return true;
}

bool readPlayer(Startup& startup) {
    startup.universe.worlds.emplace_back();
    startup.player = initializePlayer();
    startup.universe.player = startup.player.get();
    return startup.player != nullptr;
}

// A game without its text cannot be played: start-up stops.
bool readFont(Startup& startup) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Read again after a new video mode, into the font everyone holds.
    if (startup.font) {
        *startup.font = Font(fontFileName);
    } else {
        startup.font = std::make_unique<Font>(fontFileName);
    }
    if (startup.font->ready) return true;
    std::cout << fontFileName << ": " << startup.font->problem << "; the game cannot show its text" << std::endl;
    return false;
}

bool readWorlds(Startup& startup) { return initializeStars(startup.universe); }

// A campaign that cannot be played leaves Free flight; it never stops start-up.
// The difficulty the settings name is one of its own.
bool readCampaign(Startup& startup) {
    if (startup.withCampaign) {
        startup.campaign = loadCampaign(startup.campaignUniverse, startup.campaignScript);
    }
    if (startup.campaign) checkDifficulty(startup.settings, startup.campaignScript.difficultyNames());
    return true;
}

// Only ever a campaign without upgrades: the game starts either way. Their
// icons load with the other pictures named by file.
bool readUpgrades(Startup& startup) {
    if (!startup.campaign && !(startup.withCampaign && checkingEverything())) return true;
    loadUpgrades(startup.upgrades);
    for (const Upgrade& upgrade : startup.upgrades.upgrades) {
        if (!upgrade.icon.empty()) registerImage(upgrade.icon);
    }
    return true;
}

bool readHudArt(Startup&) {
    registerHudArt();
    return true;
}

// The pictures the rows read so far name by file.
bool readNamedImages(Startup&) {
    loadNamedImages();
    return true;
}

// Every data set in the order start-up reads them.
const DataSet dataSets[] = {
    {StartupStage::effects, false, readEffects, nullptr, nullptr},
    {StartupStage::settings, false, readPlayerSettings, nullptr, nullptr},
    {StartupStage::sound, false, readSounds, nullptr, nullptr},
    {StartupStage::assets, true, readImages, nullptr, nullptr},
    {StartupStage::assets, false, readWeapons, nullptr, nullptr},
    {StartupStage::assets, false, readShips, nullptr, nullptr},
    {StartupStage::assets, false, readShipLooks, nullptr, nullptr},
    {StartupStage::assets, true, readShaderPrograms, nullptr, "Ver17"},
    {StartupStage::world, false, readPlayer, nullptr, "Player initialized"},
    {StartupStage::world, true, readFont, "Loading font", nullptr},
    {StartupStage::world, false, readWorlds, "Initializing stars", nullptr},
    {StartupStage::world, false, readCampaign, nullptr, nullptr},
    {StartupStage::world, false, readUpgrades, nullptr, nullptr},
    {StartupStage::world, false, readHudArt, nullptr, nullptr},
    {StartupStage::world, true, readNamedImages, nullptr, "Done with that, now starting main loop"},
};

const StartupStage stages[] = {StartupStage::effects, StartupStage::settings, StartupStage::sound, StartupStage::assets,
                               StartupStage::world};

void say(bool progress, const char* line) {
    if (progress && line) {
        std::cout << line << std::endl;
    }
}

}  // namespace

bool Startup::load(StartupStage stage) {
    bool startsUp = true;
    for (const DataSet& set : dataSets) {
        if (set.stage != stage || (set.needsGl && !withGl)) {
            continue;
        }
        say(sayProgress, set.sayBefore);
        if (!set.load(*this)) {
            startsUp = false;
            if (!checkingEverything()) {
                return false;
            }
            continue;
        }
        say(sayProgress, set.sayAfter);
    }
    return startsUp;
}

void Startup::reloadGraphics() {
    for (const DataSet& set : dataSets) {
        if (set.needsGl) set.load(*this);
    }
}

bool Startup::loadAll() {
    bool startsUp = true;
    for (StartupStage stage : stages) {
        startsUp = load(stage) && startsUp;
        if (!startsUp && !checkingEverything()) {
            return false;
        }
    }
    return startsUp;
}
