#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "campaign/CampaignScript.h"
#include "screens/Menu.h"
#include "screens/MenuRequests.h"
#include "screens/OptionsScreen.h"
#include "screens/ReplaysScreen.h"

class Font;
class WindowMode;

// What the player picked on the title screen this frame.
enum class TitleChoice { none, continueCampaign, newCampaign, freeFlight, watchReplay, quit };

// The game's name and its first menu: Continue (when a campaign is saved),
// New campaign (then how hard), Free flight, Replays (when runs are kept:
// fill `replays` before opening), Options, Quit.
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
    Menu main;
    Menu difficulties;
    bool choosingDifficulty = false;
    bool showingOptions = false;
    OptionsScreen options;
    bool showingReplays = false;
    ReplaysScreen replays;

private:
    TitleChoice chooseMain(const Settings& settings);
    std::string difficultyText() const;
};
