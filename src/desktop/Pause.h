#pragma once

#include <SDL/SDL.h>

#include <vector>

#include "desktop/WindowMode.h"

// The game held still: no frame time reaches the world while paused, the
// mouse and keyboard belong to the desktop, and the frame shows the world
// as it stood, dimmed.
class Pause {
public:
    // At the end of a running frame, while its picture is still in the back
    // buffer: keeps that picture, notes the time and frees the input.
    void enterIfWanted(const PictureArea& area);
    // The clock skips the time spent paused; the input is taken back and the
    // mouse motion made meanwhile is dropped.
    void resumeIfUnwanted();
    // Grabbing or freeing the input makes the windowing system take the focus
    // away and give it back at once, so only a loss that lasts pauses.
    void noteFocusLoss();
    void pauseIfFocusStaysLost();
    // The kept picture, dimmed, over the whole frame (the pause menu goes over it).
    void draw() const;

    bool paused = false;
    // P, Escape or losing the focus ask for the state to change.
    bool wanted = false;
    // The paused picture must be drawn again (first paused frame, expose, new mode).
    bool redrawWanted = false;
    Uint32 pausedAt = 0;
    // When the paused picture was last drawn (the library's ticks).
    Uint32 drawnAt = 0;
    bool focusLossSeen = false;
    Uint32 focusLostAt = 0;
    // The last running frame, RGB rows from the bottom up.
    std::vector<unsigned char> picture;
    int pictureWidth = 0;
    int pictureHeight = 0;
};
