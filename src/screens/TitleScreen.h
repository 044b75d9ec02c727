#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "campaign/CampaignScript.h"
#include "screens/Menu.h"
#include "screens/MenuRequests.h"
#include "screens/OptionsScreen.h"

class Font;
class WindowMode;

// What the player picked on the title screen this frame.
enum class TitleChoice { none, continueCampaign, newCampaign, endless, freeFlight, quit };

// The game's name and its first menu: Continue (when a campaign is saved),
// New campaign (then how hard), Endless (when offered), Free flight,
// Options, Quit.
class TitleScreen {
public:
    explicit TitleScreen(const CampaignScript& script);
    // Shows the first menu again, offering Continue when `saved`, and the
    // difficulty the player last chose first when a campaign is started.
    void open(bool saved, const std::string& difficulty);
    TitleChoice handle(const SDL_Event& event, Settings& settings, const WindowMode& window, MenuRequests& requests);
    void draw(Font& font, const Settings& settings) const;
    // The difficulty picked with New campaign.
    const Difficulty& difficulty() const;
    bool waitingForKey() const { return showingOptions && options.waitingForKey(); }

    const CampaignScript& script;
    // The Endless entry's words ("Endless", "Endless: seed 42"); empty offers none.
    std::string endlessItem;
    Menu main;
    Menu difficulties;
    bool choosingDifficulty = false;
    bool showingOptions = false;
    OptionsScreen options;

private:
    TitleChoice chooseMain(const Settings& settings);
    std::string difficultyText() const;
};
