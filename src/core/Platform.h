#pragma once

#include <SDL/SDL.h>

// The held keys and mouse buttons and the tick count, read through here so
// tests can substitute their own clock without changing what the game does.
// Keys are held as the game's own key events noted them (input/Controls.h),
// by their place on the keyboard; tests hold keys the same way.
bool keyHeld(SDLKey key);
void setKeyHeld(SDLKey key, bool held);
void releaseAllKeys();
bool mouseButtonHeld(int button);
// SDL_Init, tried again a few times: a busy X server now and then refuses a
// connection that succeeds a moment later.
int initWindowingLibrary(Uint32 flags);
// The game's clock: the library's tick count less all the time spent paused,
// so nothing timed sees a pause.
Uint32 ticks();
void addPausedTime(Uint32 ms);
// The world's clock: while a frame steps the world, that frame's own time
// (read once as it starts, or a recorded run's), so everything timed in one
// frame sees one time and a replay sees the times the run saw; between
// frames, ticks().
Uint32 worldTicks();
void enterFrameClock(Uint32 frameTime);
void leaveFrameClock();

// Tests only: a fixed tick count, or nullptr for the real clock.
void setTicksForTesting(const Uint32* now);
