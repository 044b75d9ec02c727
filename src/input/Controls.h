#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "combat/ShipCommand.h"
#include "input/StickRules.h"
#include "settings/Bindings.h"

// The game's input as actions: the bindings in use, applied to the keys and
// mouse buttons held now and to the pad's controls.
struct Controls {
    Bindings bindings = defaultBindings();
    float padDeadZone = 0.2f;  // a fraction of a stick's travel
    PadState pad;              // empty without a pad
};
// The one set the game reads. The settings replace its bindings and dead
// zone (app/ApplySettings.h); tests change it directly.
extern Controls controls;

// How far the action is asked for now, from 0 to 1: 1 while its key or mouse
// button is held, else how far its pad control is pushed.
float actionAmount(Action action);
bool actionHeld(Action action);
// The turns, thrusts and fire held now, into the frame's command.
void addHeldActions(ShipCommand& command);
// The actions bound to a key or mouse button, or to a pad control, in order.
std::vector<Action> actionsOfKey(KeyInput key);
std::vector<Action> actionsOfPad(PadInput pad);
// Notes a key going down or up in the held-key record (core/Platform.h) at
// its place (input/KeyPlace.h) and returns that place. A key-up clears the
// place its key-down was noted at, so a key released after a layout switch,
// or by the release SDL sends for every key when the focus goes, is not left
// held.
SDLKey noteKeyEvent(const SDL_KeyboardEvent& event);
