#pragma once

#include <SDL/SDL.h>

#include "settings/Actions.h"
#include "settings/Bindings.h"

class FrameState;
class Player;

// Drains the event queue, then applies the mouse motion gathered since last
// time and the aim asked of the pad.
void handleInput(FrameState& state, Player& player);
// Drains the event queue while paused: only the desktop actions act.
void handlePausedInput(FrameState& state);
// What one action does; quitting ends the process.
void applyAction(Action action, FrameState& state, Player& player);
// The actions that act paused or not: quit, pause, window mode, screenshot, help.
void applyDesktopAction(Action action, FrameState& state);
// A press of a key (by its place on the keyboard), a mouse button or a pad
// control: the actions bound to it. Escape always pauses or resumes.
void applyKeyPress(SDLKey key, FrameState& state, Player& player);
void applyMouseButton(int button, FrameState& state, Player& player);
void applyPadPress(PadInput control, FrameState& state, Player& player);
// Diagnostic: prints the name of an event's type.
void eventTypeDisp(SDL_Event event);
