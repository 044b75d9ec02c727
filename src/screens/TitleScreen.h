#pragma once

#include <SDL/SDL.h>

#include <optional>
#include <string>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "campaign/CampaignScript.h"
#include "screens/Menu.h"
#include "screens/MenuRequests.h"
#include "screens/OptionsScreen.h"
#include "screens/ReplaysScreen.h"

class Font;
class WindowMode;

// What the player picked on the title screen this frame.
enum class TitleChoice { none, continueCampaign, newCampaign, endless, freeFlight, watchReplay, quit };

// What a saved campaign would resume.
struct SaveSummary {
    std::string world;
    long long score = 0;
    long long timeMs = 0;
};

// The game's name and its first menu: Continue (when a campaign is saved,
// saying what it resumes), New campaign (asking first when it would replace
// a saved one, then how hard), Endless (when offered), Free flight, Replays
// (when runs are kept: fill `replays` before opening), Options, Quit.
class TitleScreen {
public:
    explicit TitleScreen(const CampaignScript& script);
    // Shows the first menu again, offering Continue when a campaign is
    // `saved`, and the difficulty the player last chose first when a
    // campaign is started.
    void open(const std::optional<SaveSummary>& saved, const std::string& difficulty);
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
    // "Replace the saved campaign (...)?", before New campaign goes on.
    Menu replaceQuestion;
    bool choosingDifficulty = false;
    bool askingToReplace = false;
    bool showingOptions = false;
    OptionsScreen options;
    std::optional<SaveSummary> saved;
    // A line under the menu, such as why the last save failed; "" for none.
    std::string note;
    bool showingReplays = false;
    ReplaysScreen replays;

private:
    TitleChoice chooseMain(const Settings& settings);
    void answerReplace(const SDL_Event& event, MenuEvent result);
    std::string difficultyText() const;
};
