#pragma once

#include <SDL/SDL.h>

class FrameState;
class Player;

// Drains the event queue, then applies the mouse motion gathered since last time.
void handleInput(FrameState& state, Player& player);
// One key press; `q` ends the process.
void applyKeyPress(SDLKey key, FrameState& state, Player& player);
// Wheel up zooms in, wheel down zooms out; other buttons do nothing.
void applyMouseButton(int button, FrameState& state);
// Diagnostic: prints the name of an event's type.
void eventTypeDisp(SDL_Event event);
