#pragma once

#include <SDL/SDL.h>

#include "app/ControlsTable.h"
#include "settings/Settings.h"
#include "ui/Menu.h"

class Font;
class FrameState;

// The options, from the title and from the pause menu: volumes, full screen,
// mouse sensitivity, the next campaign's difficulty, what Free flight shows,
// the first-campaign hints, and the controls (the key editor). Every change
// applies at once and is saved to the player's settings.txt.
class OptionsScreen {
public:
    void open(const FrameState& state);
    // False once the player has backed out of the options.
    bool handle(const SDL_Event& event, FrameState& state);
    void draw(Font& font, const Settings& settings) const;

    enum class Page { settings, controls };
    Page page = Page::settings;
    Menu menu;
    ControlsTable table;

private:
    bool handleSettings(const SDL_Event& event, FrameState& state);
    bool handleControls(const SDL_Event& event, FrameState& state);
    bool bindWaitingRow(const SDL_Event& event, FrameState& state);
    void chooseControlsRow(FrameState& state);
    void change(int option, int step, FrameState& state);
    void refresh(const FrameState& state);
};
