#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "screens/Scenery.h"
#include "screens/TitleScreen.h"
#include "screens/UpgradeScreen.h"
#include "screens/VictoryScreen.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "endless/EndlessRun.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"
#include "world/Universe.h"

class FrameState;
class Startup;

// The game when the data set has a campaign: the title screen over the live
// campaign universe, then a campaign, an endless run or Free flight, each
// played on fresh copies of its universe and ship; the choice of an upgrade
// over the world standing still after a world is cleared; back to the title
// when the player asks, and the closing screen when a campaign is won or an
// endless run ends. Every run is recorded (Free flight when the settings
// ask; an endless run is not), and a recorded one can be watched again.
class Shell {
public:
    // Endless runs take `seed` when one is given, else a new one each time.
    Shell(FrameState& state, Startup& startup, std::optional<uint64_t> seed = std::nullopt);
    void runFrame();
    // Plays a replay that fits this game and data (app/ReplayRun.h), with
    // the save it went on from.
    void watch(std::unique_ptr<ReplayPlayback> replay, const SavedCampaign& from);

private:
    enum class Screen { title, playing, upgrade, victory };

    void titleFrame();
    void victoryFrame();
    void playingFrame();
    void upgradeFrame();
    // A frame of a menu screen over the scenery; `take` has each event,
    // false when the screen changed.
    void menuFrame(const std::function<bool(const SDL_Event&)>& take);
    void choose(TitleChoice choice);
    void play(const Universe& loaded);
    void startCampaign(const SavedCampaign* save);
    void startEndless();
    void beginEndless(uint64_t seed);
    // Ready for play: the upgrades it offers, the HUD on, the lines off.
    void beginRun();
    // An endless run's next world, made as the ship enters the one before.
    void growEndless();
    // Once the world stands still (a frame after the world was cleared), the choice.
    void offerUpgrades();
    void takeUpgrade(int choice);
    void listUpgradesInPause();
    // The campaign of a new or saved run, begun at the frame clock.
    void beginCampaign(const SavedCampaign* from, const Difficulty& difficulty, uint64_t seed);
    void watchChosenReplay();
    // The run is over: its closing line, and the recording or replay let go.
    void endPlay();
    void showTitle();
    // The moment the run ends (won, or its last ship lost): the best results
    // and the save take it, whatever the player does next.
    void recordResult();
    void showVictory();
    // The closing screen of a replay played to its end.
    void showReplayEnd();
    void toClosingScreen();
    void givePointerToMenus(bool menus);
    // The universe on screen: the one played, or the scenery behind the menus.
    Universe& shownUniverse();

    FrameState& state;
    Startup& startup;
    Screen screen = Screen::title;
    Scenery scenery;
    TitleScreen title;
    VictoryScreen victory;
    // What is being played. The campaign holds the universe and its ship.
    Universe universe;
    std::unique_ptr<Player> player;
    std::unique_ptr<Campaign> campaign;
    bool resultRecorded = false;
    SavedCampaign save;
    UpgradeScreen upgradeChoice;
    // The endless run being played; null otherwise.
    std::unique_ptr<EndlessRun> endless;
    std::optional<uint64_t> seedGiven;
    std::unique_ptr<ReplayRecorder> recorder;
    std::unique_ptr<ReplayPlayback> playback;
};
