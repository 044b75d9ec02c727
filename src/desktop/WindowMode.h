#pragma once

#include "core/Constants.h"
#include "core/PictureArea.h"

// The largest 5:4 rectangle centred in a window or screen of this size: the
// picture keeps the shape of the 1280 x 1024 layout, with black beside it.
PictureArea pictureArea(int width, int height);

// Grabs the mouse and keyboard and hides the system cursor, or gives them
// back to the desktop.
void captureInput(bool captured);

// The window or the full screen the game draws in. Everything is laid out
// for 1280 x 1024 and the viewport scales it into `area`.
class WindowMode {
public:
    // Only before the first mode is set does the library report the
    // desktop's own resolution.
    void readDesktop();
    // The window, or full screen when asked and possible (one line when not).
    // Without even a window the process ends with status 1.
    void open(bool fullScreen);
    // Between window and full screen. True when the video mode was set again,
    // so the GL context may be new; one line, and the old mode, when the
    // other one cannot be set.
    bool toggle();
    // Before the events of a frame with the input captured. Grabbed and
    // hidden, the pointer moves in SDL's relative mode: SDL warps it back to
    // the window's centre and waits for it to get there, forever when the
    // centre is off the screen, and play stops until the mouse moves. While
    // the centre is off, the pointer moves plainly instead, within the part
    // of the window on the screen.
    void keepPointerMoving();

    bool fullScreen = false;
    // F11 was pressed: switch once the frame is shown.
    bool switchWanted = false;
    int desktopWidth = w;
    int desktopHeight = h;
    // The window's or the screen's size in the mode set last.
    int width = w;
    int height = h;
    PictureArea area{0, 0, w, h};
    // SDL's relative mode is off: the window's centre is off the screen.
    bool pointerFree = false;

private:
    bool set(bool full);
    void reportFailure(bool full) const;
    // The size to ask for, in `width` and `height`.
    PictureArea sizeFor(bool full) const;
};
