#pragma once

#include <SDL/SDL.h>

class FrameState;
class Player;

// Drains the event queue, then applies the mouse motion gathered since last time.
void handleInput(FrameState& state, Player& player);
// Drains the event queue while paused: only the desktop keys act.
void handlePausedInput(FrameState& state);
// One key press; `q` ends the process.
void applyKeyPress(SDLKey key, FrameState& state, Player& player);
// The keys that act paused or not: q, pause, window mode, screenshot.
void applyDesktopKey(SDLKey key, FrameState& state);
// Wheel up zooms in, wheel down zooms out; other buttons do nothing.
void applyMouseButton(int button, FrameState& state);
// Diagnostic: prints the name of an event's type.
void eventTypeDisp(SDL_Event event);
