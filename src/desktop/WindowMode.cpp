#include "desktop/WindowMode.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/Constants.h"

namespace {
Uint32 videoFlags(bool full) { return SDL_OPENGL | (full ? SDL_FULLSCREEN : 0); }

// SDL reads it each time it chooses the pointer's mode; "0" keeps it out of
// the relative mode.
const char* const relativeMode = "SDL_MOUSE_RELATIVE";

// Where the window's top-left corner is on the screen, and the screen's size.
struct ScreenPlace {
    int x = 0;
    int y = 0;
    int screenWidth = 0;
    int screenHeight = 0;
};

// False when the windowing system is not X11 or does not say.
bool windowPlace(ScreenPlace& place) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11) return false;
    Display* display = info.info.x11.display;
    info.info.x11.lock_func();
    int screen = DefaultScreen(display);
    Window child;
    bool known = XTranslateCoordinates(display, info.info.x11.window, RootWindow(display, screen), 0, 0, &place.x,
                                       &place.y, &child);
    place.screenWidth = DisplayWidth(display, screen);
    place.screenHeight = DisplayHeight(display, screen);
    info.info.x11.unlock_func();
    return known;
}

// The middle of the part of the span from `start` to `start + length` that
// lies within 0 to `limit`, measured from `start`.
int middleOnScreen(int start, int length, int limit) {
    int middle = (std::max(start, 0) + std::min(start + length, limit)) / 2 - start;
    return std::clamp(middle, 0, length - 1);
}
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

void WindowMode::keepPointerMoving() {
    // A player's own choice of the mode is left alone.
    if (SDL_WM_GrabInput(SDL_GRAB_QUERY) != SDL_GRAB_ON || (!pointerFree && std::getenv(relativeMode))) return;
    ScreenPlace place;
    if (!windowPlace(place)) return;
    int centreX = place.x + width / 2;
    int centreY = place.y + height / 2;
    bool free = centreX < 0 || centreY < 0 || centreX >= place.screenWidth || centreY >= place.screenHeight;
    if (free == pointerFree) return;
    pointerFree = free;
    if (free) {
        setenv(relativeMode, "0", 1);
    } else {
        unsetenv(relativeMode);
    }
    // SDL chooses the mode again when the cursor is shown or hidden.
    int shown = SDL_ShowCursor(SDL_QUERY);
    SDL_ShowCursor(!shown);
    SDL_ShowCursor(shown);
    if (free) {
        // SDL's idea of the pointer meets the real one, in the room to move on the screen.
        SDL_WarpMouse(middleOnScreen(place.x, width, place.screenWidth),
                      middleOnScreen(place.y, height, place.screenHeight));
        SDL_PumpEvents();
    }
    // The jump between the modes is no move of the player's.
    SDL_GetRelativeMouseState(nullptr, nullptr);
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
