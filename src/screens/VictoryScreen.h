#pragma once

#include <SDL/SDL.h>

#include <cstddef>
#include <string>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "screens/Menu.h"

class Font;
class WindowMode;

// The closing screen of a won campaign or an ended endless run: this run's
// results and upgrades beside the best results of its mode so far.
class VictoryScreen {
public:
    // `place` is the run's place among the best (1 is the best), 0 when off
    // the list; `upgrades` those the run took; a replay's end has a heading
    // of its own.
    void open(const RunResult& run, std::vector<RunResult> best, size_t place, std::vector<std::string> upgrades,
              const std::string& heading = "Campaign complete");
    // True when the player is done with it.
    bool handle(const SDL_Event& event, const WindowMode& window);
    void draw(Font& font) const;

    RunResult run;
    std::string heading;
    std::vector<RunResult> best;
    size_t place = 0;
    std::vector<std::string> upgrades;
    Menu menu;

private:
    void drawBest(Font& font) const;
};

