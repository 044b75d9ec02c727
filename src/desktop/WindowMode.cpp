#include "desktop/WindowMode.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

#include "core/Constants.h"

namespace {
Uint32 videoFlags(bool full) { return SDL_OPENGL | (full ? SDL_FULLSCREEN : 0); }
}  // namespace

PictureArea pictureArea(int width, int height) {
    PictureArea area{0, 0, width, height};
    if (width * h > height * w) {
        area.width = height * w / h;
    } else {
        area.height = width * h / w;
    }
    area.x = (width - area.width) / 2;
    area.y = (height - area.height) / 2;
    return area;
}

void captureInput(bool captured) {
    SDL_WM_GrabInput(captured ? SDL_GRAB_ON : SDL_GRAB_OFF);
    SDL_ShowCursor(captured ? SDL_DISABLE : SDL_ENABLE);
}

void WindowMode::readDesktop() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info && info->current_w > 0 && info->current_h > 0) {
        desktopWidth = info->current_w;
        desktopHeight = info->current_h;
    }
}

// Full screen takes the desktop's resolution; the window keeps 1280 x 1024
// unless the desktop is smaller, and then is scaled down to fit it.
PictureArea WindowMode::sizeFor(bool full) const {
    if (full) return PictureArea{0, 0, desktopWidth, desktopHeight};
    if (desktopWidth < w || desktopHeight < h) return pictureArea(desktopWidth, desktopHeight);
    return PictureArea{0, 0, w, h};
}

bool WindowMode::set(bool full) {
    PictureArea size = sizeFor(full);
    // Setting a mode centres the window and throws away the X events not yet
    // read: take them in first, so a close request made just before is kept.
    SDL_PumpEvents();
    SDL_Surface* screen = SDL_SetVideoMode(size.width, size.height, 32, videoFlags(full));
    if (!screen) return false;
    fullScreen = full;
    width = screen->w;
    height = screen->h;
    area = pictureArea(width, height);
    return true;
}

void WindowMode::reportFailure(bool full) const {
    PictureArea size = sizeFor(full);
    std::printf("Unable to set %d x %d 32b %svideo: %s\n", size.width, size.height,
                full ? "full screen " : "", SDL_GetError());
    std::fflush(stdout);
}

void WindowMode::open(bool full) {
    if (full) {
        if (set(true)) return;
        reportFailure(true);
    }
    if (!set(false)) {
        reportFailure(false);
        std::exit(1);
    }
}

bool WindowMode::toggle() {
    bool wanted = !fullScreen;
    // Asking first keeps the old mode whole when the new one is not offered.
    PictureArea size = sizeFor(wanted);
    if (SDL_VideoModeOK(size.width, size.height, 32, videoFlags(wanted)) == 0) {
        SDL_SetError("the display offers no such mode");
        reportFailure(wanted);
        return false;
    }
    if (set(wanted)) return true;
    reportFailure(wanted);
    if (!set(!wanted)) {
        reportFailure(!wanted);
        std::exit(1);
    }
    return true;
}
