#include "screens/PointerWatch.h"

bool PointerWatch::moved(const SDL_MouseMotionEvent& motion, const PictureArea& area) {
    bool sameArea = area.x == lastArea.x && area.y == lastArea.y && area.width == lastArea.width &&
                    area.height == lastArea.height;
    bool samePlace = motion.x == lastX && motion.y == lastY;
    bool real = !seen || (sameArea && !samePlace);
    seen = true;
    lastArea = area;
    lastX = motion.x;
    lastY = motion.y;
    return real;
}
