#pragma once

#include <SDL/SDL.h>

#include <array>

#include "settings/Actions.h"

// A key, known by its place on the keyboard (the symbol the US layout gives
// the key there), or a mouse button, the wheel included.
struct KeyInput {
    enum class Device { none, key, mouse };
    Device device = Device::none;
    int code = 0;  // an SDLKey, or an SDL mouse button (SDL_BUTTON_WHEELUP ...)

    static constexpr KeyInput key(SDLKey key) { return KeyInput{Device::key, key}; }
    static constexpr KeyInput mouse(int button) { return KeyInput{Device::mouse, button}; }
    bool bound() const { return device != Device::none; }
    bool operator==(const KeyInput& other) const {
        return device == other.device && (device == Device::none || code == other.code);
    }
    bool operator!=(const KeyInput& other) const { return !(*this == other); }
};

// A pad button, one direction of an axis, or one direction of a hat (the
// d-pad on most pads).
struct PadInput {
    enum class Kind { none, button, axis, hat };
    Kind kind = Kind::none;
    int index = 0;      // which button, axis or hat, counted from 0 as SDL does
    int direction = 0;  // an axis: +1 or -1; a hat: SDL_HAT_UP, _RIGHT, _DOWN or _LEFT

    static constexpr PadInput button(int index) { return PadInput{Kind::button, index, 0}; }
    static constexpr PadInput axis(int index, int direction) { return PadInput{Kind::axis, index, direction}; }
    static constexpr PadInput hat(int index, int direction) { return PadInput{Kind::hat, index, direction}; }
    bool bound() const { return kind != Kind::none; }
    bool operator==(const PadInput& other) const {
        return kind == other.kind &&
               (kind == Kind::none || (index == other.index && direction == other.direction));
    }
    bool operator!=(const PadInput& other) const { return !(*this == other); }
};

// What sets off one action: a key or mouse button, and separately a pad control.
struct Binding {
    KeyInput key;
    PadInput pad;
};

// Every action's binding. Escape is not among them: it always pauses and
// backs out of menus.
struct Bindings {
    std::array<Binding, actionCount> of;

    Binding& operator[](Action action) { return of[static_cast<int>(action)]; }
    const Binding& operator[](Action action) const { return of[static_cast<int>(action)]; }
};

// Today's keys, and a pad laid out as most are under Linux: left stick
// (axes 0, 1) flies, right stick (axes 3, 4) aims, button 0 fires, start
// (button 7) pauses.
Bindings defaultBindings();
// Escape is kept for pausing and backing out; every other key and button
// can be bound.
bool keyBindable(KeyInput key);
// True when another action has the same key (or pad control); an unbound
// one never clashes. The key editor shows these in a warning colour.
bool keyClashes(const Bindings& bindings, Action action);
bool padClashes(const Bindings& bindings, Action action);
