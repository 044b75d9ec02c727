#pragma once

// What the menus ask of the game after taking an event: the game carries it
// out, so the screens change nothing beyond themselves and the settings.
struct MenuRequests {
    // The settings changed: put them into effect and save them.
    bool settingsChanged = false;
    // Full screen was switched in the options.
    bool windowModeChanged = false;
    bool resume = false;
    bool quitToTitle = false;
    // The quit item: a campaign asks first.
    bool quit = false;
    // The player said yes to quitting.
    bool quitNow = false;
};
