#pragma once

#include <SDL/SDL.h>

#include <filesystem>
#include <vector>

#include "replay/ReplayFolder.h"
#include "screens/Menu.h"

class Font;
class WindowMode;

// The title's list of kept replays, newest first: mode, date, score and
// the world the run ended in. Enter watches one, Escape goes back.
class ReplaysScreen {
public:
    void fill(std::vector<KeptReplay> replays);
    void open();
    // False once the player is done with it; `watch` is true when a replay
    // was chosen (chosen() names its file).
    bool handle(const SDL_Event& event, const WindowMode& window, bool& watch);
    void draw(Font& font) const;
    std::filesystem::path chosen() const;

    std::vector<KeptReplay> kept;
    Menu menu;
    // The chosen one could not be played here (its line says why).
    bool refused = false;
};
