#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

class Font;
struct Bindings;

// "How to play": pages on the goal of a world and its wormholes, landing and
// new ships, the enemies with their pictures, the HUD, the flight assist and
// the autopilot, then the keys as bound now. Turned with the arrow keys, a
// click or the wheel, or the pad.
class HelpPages {
public:
    // From the first page, with the enemies the ship table names.
    void open(const Bindings& bindings);
    // True when the event turned a page.
    bool handle(const SDL_Event& event);
    void draw(Font& font, const Bindings& bindings) const;
    int pageCount() const;

    // A campaign enemy as its page shows it: picture, name and what it does.
    struct Enemy {
        int type;
        std::string name;
        std::vector<std::string> lines;
    };
    enum class Kind { text, enemies, keys };
    struct Page {
        Kind kind;
        std::string title;
        std::vector<std::string> paragraphs;  // a text page's
        int first;                            // an enemy or key page's first
    };

    std::vector<Enemy> enemies;
    std::vector<Page> pages;
    int page = 0;

private:
    void turn(int step);
};
