#include "screens/UpgradeScreen.h"

#include "assets/NamedImages.h"
#include "core/Constants.h"
#include "desktop/WindowMode.h"
#include "ui/Text.h"

namespace {
const float iconHalf = 20;

// Keys 1 to 3, on the row of digits or the keypad; -1 for any other.
int digitChosen(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return -1;
    SDLKey key = event.key.keysym.sym;
    if (key >= SDLK_1 && key <= SDLK_9) return key - SDLK_1;
    if (key >= SDLK_KP1 && key <= SDLK_KP9) return key - SDLK_KP1;
    return -1;
}
}  // namespace

void UpgradeScreen::open(const std::vector<Upgrade>& offered, const std::string& clearedWorld) {
    offer = offered;
    cleared = clearedWorld;
    menu.title = "Choose an upgrade";
    menu.titleY = 700;
    menu.top = 580;
    menu.spacing = 80;
    menu.scale = 28;
    menu.width = 760;
    menu.items.clear();
    for (size_t i = 0; i < offer.size(); ++i) menu.items.push_back({std::to_string(i + 1) + "   " + offer[i].text});
    menu.select(0);
}

int UpgradeScreen::handle(const SDL_Event& event, const WindowMode& window) {
    int digit = digitChosen(event);
    if (digit >= 0 && static_cast<size_t>(digit) < offer.size()) return digit;
    MenuEvent result = menu.handle(event, window.area, window.height);
    return result == MenuEvent::chosen ? menu.selected : -1;
}

void UpgradeScreen::draw(Font& font) const {
    useLayoutProjection();
    float centre = w / 2.0f;
    drawPanel(centre - 520, 300, 1040, 520, Colour{0, 0.02f, 0.06f, 0.75f});
    if (!cleared.empty()) drawText(font, cleared + " cleared", centre, 770, 24, colours::calm, Align::centre);
    menu.draw(font);
    for (size_t i = 0; i < offer.size(); ++i) {
        float y = menu.itemY(static_cast<int>(i)) + 10;
        GLuint icon = namedImageOf(offer[i].icon);
        if (icon != 0) drawPicture(icon, point{centre - menu.width / 2 + 10, y}, iconHalf);
    }
    drawText(font, "1, 2 or 3 takes one; so do the arrows and Enter, the mouse, the pad", centre, 340, 16,
             colours::dim, Align::centre);
}
