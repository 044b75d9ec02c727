#pragma once

#include <memory>

#include "app/Scenery.h"
#include "app/TitleScreen.h"
#include "app/VictoryScreen.h"
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
    // A frame of a menu screen over the scenery; `handle` takes each event.
    template <typename Handle>
    void menuFrame(Handle handle);
    void choose(TitleChoice choice);
    void play(const Universe& loaded);
    void startCampaign(const SavedCampaign* save);
    void showTitle();
    void showVictory();
    void givePointerToMenus(bool menus);
    // The title's options wait for the key to bind to an action.
    bool bindingAKey() const;

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
    SavedCampaign save;
};
