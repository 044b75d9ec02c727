#pragma once

#include <SDL/SDL.h>

// Keys are matched by their place on the keyboard, so that W, A, S and D sit
// under the same fingers on every layout: a key is known by the symbol the US
// layout gives the key at its place. Under X11 an event's scancode is the X
// keycode, which tells the place of the letter, digit and punctuation keys,
// the ones layouts move about; every other key, and every key under another
// video driver, is known by its symbol.
SDLKey keyAtPlace(const SDL_keysym& keysym);
// Places are read from scancodes only under the x11 video driver; call once
// the video is up.
void useKeyPlacesOfVideoDriver();
void useKeyPlaces(bool on);
