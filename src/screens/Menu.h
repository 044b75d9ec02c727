#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "core/point.h"
#include "screens/PointerWatch.h"

class Font;
struct PictureArea;

struct MenuItem {
    std::string label;
    bool enabled = true;
};

// What a menu made of an input event.
enum class MenuEvent { none, moved, chosen, back };

// A column of choices in the middle of the picture, worked with the arrow
// keys or W and S, Enter or space, Escape to go back, the mouse (hover and
// click) and the pad (hat or left stick, button 0 to choose, 1 to go back).
class Menu {
public:
    MenuEvent handle(const SDL_Event& event, const PictureArea& area, int windowHeight);
    void draw(Font& font) const;
    // The first enabled item from `index` on, or the item itself when none is.
    void select(int index);
    void move(int step);
    // The item under a point of the layout, or -1.
    int itemAt(point p) const;
    float itemY(int index) const;

    std::string title;
    std::vector<MenuItem> items;
    int selected = 0;
    // Layout: the title's baseline, the first item's, the step between items.
    float titleY = 700;
    float top = 600;
    float spacing = 64;
    float scale = 32;
    float width = 520;
    // A title or label wider than this is drawn smaller to fit; 0: as wide as it is.
    float fitWidth = 0;

private:
    MenuEvent handleEvent(const SDL_Event& event, const PictureArea& area, int windowHeight);
    MenuEvent handleKey(SDLKey key);
    MenuEvent handleStick(int value);
    float fitted(Font& font, const std::string& text, float size) const;
    // The stick's last direction: it moves the selection once per push.
    int stickDirection = 0;
    PointerWatch pointer;
};
