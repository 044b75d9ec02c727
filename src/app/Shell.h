#pragma once

#include <SDL/SDL.h>

#include <functional>
#include <memory>

#include "screens/Scenery.h"
#include "screens/TitleScreen.h"
#include "screens/VictoryScreen.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "world/Universe.h"

class FrameState;
class Startup;

// The game when the data set has a campaign: the title screen over the live
// campaign universe, then a campaign or Free flight, each played on fresh
// copies of its universe and ship; back to the title when the player asks,
// and the closing screen when a campaign is won.
class Shell {
public:
    Shell(FrameState& state, Startup& startup);
    void runFrame();

private:
    enum class Screen { title, playing, victory };

    void titleFrame();
    void victoryFrame();
    void playingFrame();
    // A frame of a menu screen over the scenery; `take` has each event,
    // false when the screen changed.
    void menuFrame(const std::function<bool(const SDL_Event&)>& take);
    void choose(TitleChoice choice);
    void play(const Universe& loaded);
    void startCampaign(const SavedCampaign* save);
    void showTitle();
    // The moment the campaign is won: the best results and the save take it,
    // whatever the player does next.
    void recordVictory();
    void showVictory();
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
    bool victoryRecorded = false;
    SavedCampaign save;
};
