#include "screens/Menu.h"

#include <algorithm>
#include <cmath>

#include "assets/Font.h"
#include "core/Constants.h"
#include "sound/Sound.h"
#include "ui/Text.h"

namespace {
// Half a stick's travel counts as a push.
const int stickPush = 16384;
const int chooseButton = 0;
const int backButton = 1;
}  // namespace

MenuEvent Menu::handle(const SDL_Event& event, const PictureArea& area, int windowHeight) {
    MenuEvent result = handleEvent(event, area, windowHeight);
    if (result == MenuEvent::chosen) playInterfaceSound(SoundEffect::menuSelect);
    return result;
}

MenuEvent Menu::handleEvent(const SDL_Event& event, const PictureArea& area, int windowHeight) {
    switch (event.type) {
        case SDL_KEYDOWN: return handleKey(event.key.keysym.sym);
        case SDL_MOUSEMOTION: {
            if (!pointer.moved(event.motion, area)) return MenuEvent::none;
            int under = itemAt(layoutPoint(event.motion.x, event.motion.y, area, windowHeight));
            if (under < 0 || under == selected) return MenuEvent::none;
            selected = under;
            return MenuEvent::moved;
        }
        case SDL_MOUSEBUTTONDOWN: {
            if (event.button.button != SDL_BUTTON_LEFT) return MenuEvent::none;
            int under = itemAt(layoutPoint(event.button.x, event.button.y, area, windowHeight));
            if (under < 0) return MenuEvent::none;
            selected = under;
            return MenuEvent::chosen;
        }
        case SDL_JOYHATMOTION:
            if (event.jhat.value & SDL_HAT_UP) return handleKey(SDLK_UP);
            if (event.jhat.value & SDL_HAT_DOWN) return handleKey(SDLK_DOWN);
            return MenuEvent::none;
        case SDL_JOYAXISMOTION:
            return event.jaxis.axis == 1 ? handleStick(event.jaxis.value) : MenuEvent::none;
        case SDL_JOYBUTTONDOWN:
            if (event.jbutton.button == chooseButton) return handleKey(SDLK_RETURN);
            if (event.jbutton.button == backButton) return MenuEvent::back;
            return MenuEvent::none;
        default: return MenuEvent::none;
    }
}

MenuEvent Menu::handleKey(SDLKey key) {
    switch (key) {
        case SDLK_UP:
        case SDLK_w: move(-1); return MenuEvent::moved;
        case SDLK_DOWN:
        case SDLK_s: move(1); return MenuEvent::moved;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_SPACE:
            if (selected < 0 || selected >= static_cast<int>(items.size()) || !items[selected].enabled) {
                return MenuEvent::none;
            }
            return MenuEvent::chosen;
        case SDLK_ESCAPE: return MenuEvent::back;
        default: return MenuEvent::none;
    }
}

MenuEvent Menu::handleStick(int value) {
    int direction = value <= -stickPush ? -1 : (value >= stickPush ? 1 : 0);
    if (direction == stickDirection) return MenuEvent::none;
    stickDirection = direction;
    if (direction == 0) return MenuEvent::none;
    move(direction);
    return MenuEvent::moved;
}

void Menu::select(int index) {
    int count = static_cast<int>(items.size());
    for (int i = 0; i < count; ++i) {
        int candidate = (index + i) % count;
        if (items[candidate].enabled) {
            selected = candidate;
            return;
        }
    }
    selected = index;
}

void Menu::move(int step) {
    int count = static_cast<int>(items.size());
    if (count == 0) return;
    int index = selected;
    for (int i = 0; i < count; ++i) {
        index = (index + step + count) % count;
        if (items[index].enabled) break;
    }
    selected = index;
    playInterfaceSound(SoundEffect::menuMove);
}

float Menu::itemY(int index) const { return top - spacing * index; }

int Menu::itemAt(point p) const {
    if (std::fabs(p.x - w / 2.0f) > width / 2) return -1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        float y = itemY(i);
        if (items[i].enabled && p.y >= y - spacing * 0.35f && p.y < y + spacing * 0.65f) return i;
    }
    return -1;
}

float Menu::fitted(Font& font, const std::string& text, float size) const {
    float wide = font.textWidth(text, size);
    return fitWidth > 0 && wide > fitWidth ? size * fitWidth / wide : size;
}

void Menu::draw(Font& font) const {
    float centre = w / 2.0f;
    float widest = width;
    for (const MenuItem& item : items) {
        widest = std::max(widest, font.textWidth(item.label, fitted(font, item.label, scale)) + 60);
    }
    if (!title.empty()) {
        drawText(font, title, centre, titleY, fitted(font, title, scale * 1.3f), colours::white, Align::centre);
    }
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        float y = itemY(i);
        if (i == selected) {
            drawPanel(centre - widest / 2, y - spacing * 0.3f, widest, spacing * 0.9f, Colour{1, 0.82f, 0.3f, 0.16f});
        }
        Colour colour = !items[i].enabled ? colours::dim : (i == selected ? colours::highlight : colours::grey);
        drawText(font, items[i].label, centre, y, fitted(font, items[i].label, scale), colour, Align::centre);
    }
}
