#pragma once

#include <SDL/SDL.h>

#include "core/PictureArea.h"

// Tells a move of the pointer from the pointer found somewhere new: after a
// switch to or from full screen the window reports where the pointer now
// stands in the new picture, which is no move of the player's and must not
// take the highlight off the row that was changed.
class PointerWatch {
public:
    // True for a real move; the first motion seen counts as one.
    bool moved(const SDL_MouseMotionEvent& motion, const PictureArea& area);

private:
    bool seen = false;
    PictureArea lastArea{0, 0, 0, 0};
    int lastX = 0;
    int lastY = 0;
};
