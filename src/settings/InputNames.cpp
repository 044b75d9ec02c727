#include "settings/InputNames.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

struct KeyText {
    int key;
    const char* name;
};

// Keys whose name is not the character they type (# would start a comment
// in settings.txt); the rest of the printable ASCII keys are named by that
// character, keys without a name "key N".
const KeyText keyTexts[] = {
    {SDLK_BACKSPACE, "backspace"}, {SDLK_TAB, "tab"}, {SDLK_RETURN, "return"}, {SDLK_HASH, "hash"},
    {SDLK_PAUSE, "pause"}, {SDLK_ESCAPE, "escape"}, {SDLK_SPACE, "space"},
    {SDLK_DELETE, "delete"}, {SDLK_KP0, "keypad 0"}, {SDLK_KP1, "keypad 1"},
    {SDLK_KP2, "keypad 2"}, {SDLK_KP3, "keypad 3"}, {SDLK_KP4, "keypad 4"},
    {SDLK_KP5, "keypad 5"}, {SDLK_KP6, "keypad 6"}, {SDLK_KP7, "keypad 7"},
    {SDLK_KP8, "keypad 8"}, {SDLK_KP9, "keypad 9"}, {SDLK_KP_PERIOD, "keypad ."},
    {SDLK_KP_DIVIDE, "keypad /"}, {SDLK_KP_MULTIPLY, "keypad *"}, {SDLK_KP_MINUS, "keypad -"},
    {SDLK_KP_PLUS, "keypad +"}, {SDLK_KP_ENTER, "keypad enter"}, {SDLK_KP_EQUALS, "keypad ="},
    {SDLK_UP, "up"}, {SDLK_DOWN, "down"}, {SDLK_RIGHT, "right"}, {SDLK_LEFT, "left"},
    {SDLK_INSERT, "insert"}, {SDLK_HOME, "home"}, {SDLK_END, "end"},
    {SDLK_PAGEUP, "page up"}, {SDLK_PAGEDOWN, "page down"}, {SDLK_F1, "f1"}, {SDLK_F2, "f2"},
    {SDLK_F3, "f3"}, {SDLK_F4, "f4"}, {SDLK_F5, "f5"}, {SDLK_F6, "f6"}, {SDLK_F7, "f7"},
    {SDLK_F8, "f8"}, {SDLK_F9, "f9"}, {SDLK_F10, "f10"}, {SDLK_F11, "f11"}, {SDLK_F12, "f12"},
    {SDLK_F13, "f13"}, {SDLK_F14, "f14"}, {SDLK_F15, "f15"}, {SDLK_NUMLOCK, "num lock"},
    {SDLK_CAPSLOCK, "caps lock"}, {SDLK_SCROLLOCK, "scroll lock"}, {SDLK_RSHIFT, "right shift"},
    {SDLK_LSHIFT, "left shift"}, {SDLK_RCTRL, "right ctrl"}, {SDLK_LCTRL, "left ctrl"},
    {SDLK_RALT, "right alt"}, {SDLK_LALT, "left alt"}, {SDLK_RMETA, "right meta"},
    {SDLK_LMETA, "left meta"}, {SDLK_LSUPER, "left super"}, {SDLK_RSUPER, "right super"},
    {SDLK_MODE, "alt gr"}, {SDLK_COMPOSE, "compose"}, {SDLK_HELP, "help"},
    {SDLK_PRINT, "print screen"}, {SDLK_SYSREQ, "sys req"}, {SDLK_BREAK, "break"},
    {SDLK_MENU, "menu"},
};

const KeyText mouseTexts[] = {
    {SDL_BUTTON_LEFT, "mouse left"}, {SDL_BUTTON_MIDDLE, "mouse middle"},
    {SDL_BUTTON_RIGHT, "mouse right"}, {SDL_BUTTON_WHEELUP, "wheel up"},
    {SDL_BUTTON_WHEELDOWN, "wheel down"},
};
const int mostMouseButtons = 32;
const int mostPadControls = 256;

const KeyText hatTexts[] = {
    {SDL_HAT_UP, "up"}, {SDL_HAT_RIGHT, "right"}, {SDL_HAT_DOWN, "down"}, {SDL_HAT_LEFT, "left"},
};

bool typesItsName(int key) { return key > ' ' && key <= '~' && !std::isupper(key); }

// "word N" with N from 0 to `most` - 1, and nothing after it but `rest`.
bool readNumbered(const std::string& text, const std::string& word, int most, int& number,
                  std::string& rest) {
    std::istringstream in(text);
    std::string first;
    if (!(in >> first) || first != word || !(in >> number) || number < 0 || number >= most) {
        return false;
    }
    std::getline(in >> std::ws, rest);
    return true;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::string keyName(KeyInput key) {
    if (key.device == KeyInput::Device::mouse) {
        for (const KeyText& text : mouseTexts) {
            if (text.key == key.code) return text.name;
        }
        return "mouse " + std::to_string(key.code);
    }
    if (key.device == KeyInput::Device::none) return "none";
    for (const KeyText& text : keyTexts) {
        if (text.key == key.code) return text.name;
    }
    if (typesItsName(key.code)) return std::string(1, static_cast<char>(key.code));
    return "key " + std::to_string(key.code);
}

std::string keyLabel(KeyInput key) {
    std::string name = keyName(key);
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

bool keyFromName(const std::string& name, KeyInput& key) {
    std::string text = lowered(name);
    if (text == "none") {
        key = KeyInput{};
        return true;
    }
    for (const KeyText& entry : keyTexts) {
        if (text == entry.name) {
            key = KeyInput::key(static_cast<SDLKey>(entry.key));
            return true;
        }
    }
    for (const KeyText& entry : mouseTexts) {
        if (text == entry.name) {
            key = KeyInput::mouse(entry.key);
            return true;
        }
    }
    if (text.size() == 1 && typesItsName(text[0])) {
        key = KeyInput::key(static_cast<SDLKey>(text[0]));
        return true;
    }
    int number = 0;
    std::string rest;
    if (readNumbered(text, "key", SDLK_LAST, number, rest) && rest.empty() && number > 0) {
        key = KeyInput::key(static_cast<SDLKey>(number));
        return true;
    }
    if (readNumbered(text, "mouse", mostMouseButtons, number, rest) && rest.empty() && number > 0) {
        key = KeyInput::mouse(number);
        return true;
    }
    return false;
}

std::string padName(PadInput pad) {
    std::string index = std::to_string(pad.index);
    switch (pad.kind) {
        case PadInput::Kind::button: return "button " + index;
        case PadInput::Kind::axis: return "axis " + index + (pad.direction > 0 ? "+" : "-");
        case PadInput::Kind::hat:
            for (const KeyText& text : hatTexts) {
                if (text.key == pad.direction) return "hat " + index + " " + text.name;
            }
            break;
        case PadInput::Kind::none: break;
    }
    return "none";
}

bool padFromName(const std::string& name, PadInput& pad) {
    std::string text = lowered(name);
    int number = 0;
    std::string rest;
    if (text == "none") {
        pad = PadInput{};
        return true;
    }
    if (readNumbered(text, "button", mostPadControls, number, rest) && rest.empty()) {
        pad = PadInput::button(number);
        return true;
    }
    if (readNumbered(text, "hat", mostPadControls, number, rest)) {
        for (const KeyText& entry : hatTexts) {
            if (rest == entry.name) {
                pad = PadInput::hat(number, entry.key);
                return true;
            }
        }
        return false;
    }
    // "axis 1-": the sign sticks to the number, so read it off the end.
    if (text.size() < 2 || (text.back() != '+' && text.back() != '-')) return false;
    int direction = text.back() == '+' ? 1 : -1;
    text.pop_back();
    if (readNumbered(text, "axis", mostPadControls, number, rest) && rest.empty()) {
        pad = PadInput::axis(number, direction);
        return true;
    }
    return false;
}
