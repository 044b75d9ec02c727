#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "campaign/UpgradeTable.h"
#include "screens/Menu.h"

class Font;
class WindowMode;

// The choice a cleared world offers, over the world standing still: three
// upgrades, each with its icon and what it does. Keys 1 to 3 take one at
// once; the arrows and Enter, the mouse and the pad work as on every menu.
// There is no going back: one must be taken.
class UpgradeScreen {
public:
    // `cleared` names the world just cleared, above the choice.
    void open(const std::vector<Upgrade>& offer, const std::string& cleared);
    // The upgrade taken (from 0), or -1 while none is.
    int handle(const SDL_Event& event, const WindowMode& window);
    void draw(Font& font) const;

    std::vector<Upgrade> offer;
    std::string cleared;
    Menu menu;
};
