#pragma once

#include <SDL/SDL.h>

#include "screens/ControlsTable.h"
#include "screens/Menu.h"
#include "screens/MenuRequests.h"
#include "screens/PointerWatch.h"
#include "settings/Settings.h"

class Font;
class WindowMode;

// The options, from the title and from the pause menu: volumes, full screen,
// mouse sensitivity, the next campaign's difficulty, the flight assist, what
// Free flight shows, the first-campaign hints, and the controls (the key
// editor). Every change applies at once and is saved to the player's
// settings.txt.
class OptionsScreen {
public:
    void open(const Settings& settings);
    // False once the player has backed out of the options.
    bool handle(const SDL_Event& event, Settings& settings, const WindowMode& window, MenuRequests& requests);
    void draw(Font& font, const Settings& settings) const;
    // The key editor waits for the key to bind: every key is its.
    bool waitingForKey() const { return page == Page::controls && table.waiting; }

    enum class Page { settings, controls };
    Page page = Page::settings;
    Menu menu;
    ControlsTable table;
    PointerWatch pointer;

private:
    bool handleSettings(const SDL_Event& event, Settings& settings, const WindowMode& window, MenuRequests& requests);
    bool handleControls(const SDL_Event& event, Settings& settings, const WindowMode& window, MenuRequests& requests);
    void handleControlsPointer(const SDL_Event& event, Settings& settings, const WindowMode& window,
                               MenuRequests& requests);
    void moveControlsRow(int step);
    bool bindWaitingRow(const SDL_Event& event, Settings& settings, MenuRequests& requests);
    void chooseControlsRow(Settings& settings, MenuRequests& requests);
    void change(int option, int step, Settings& settings, MenuRequests& requests);
    void refresh(const Settings& settings);
};
