#include "desktop/Pause.h"

#include <GL/glew.h>

#include <iostream>
#include <string>

#include "core/Constants.h"
#include "core/Draw.h"
#include "core/Platform.h"
#include "sound/Sound.h"

namespace {

// How much black lies over the frozen world.
const float shade = 0.6f;
// How long the keyboard focus or the window must stay away before it pauses.
const Uint32 focusGraceMs = 100;
const Uint8 focusNeeded = SDL_APPINPUTFOCUS | SDL_APPACTIVE;

}  // namespace

void Pause::enterIfWanted(const PictureArea& area) {
    if (paused || !wanted) return;
    pictureWidth = area.width;
    pictureHeight = area.height;
    picture.resize(static_cast<size_t>(area.width) * area.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.x, area.y, area.width, area.height, GL_RGB, GL_UNSIGNED_BYTE, picture.data());
    paused = true;
    redrawWanted = true;
    focusLossSeen = false;
    pausedAt = ticks();
    captureInput(false);
    pauseSounds(true);
    std::cout << "Paused" << std::endl;
}

void Pause::resumeIfUnwanted() {
    if (!paused || wanted) return;
    addPausedTime(ticks() - pausedAt);
    paused = false;
    picture.clear();
    captureInput(true);
    pauseSounds(false);
    SDL_GetRelativeMouseState(nullptr, nullptr);
    std::cout << "Resumed" << std::endl;
}

void Pause::noteFocusLoss() {
    if (focusLossSeen || (SDL_GetAppState() & focusNeeded) == focusNeeded) return;
    focusLossSeen = true;
    focusLostAt = SDL_GetTicks();
}

void Pause::pauseIfFocusStaysLost() {
    if (!focusLossSeen) return;
    if ((SDL_GetAppState() & focusNeeded) == focusNeeded) {
        focusLossSeen = false;
    } else if (SDL_GetTicks() - focusLostAt >= focusGraceMs) {
        focusLossSeen = false;
        wanted = true;
    }
}

void Pause::draw() const {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    // A texture for this one drawing: it never outlives a GL context.
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, pictureWidth, pictureHeight, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, picture.data());
    drawRectangle(w, h);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDeleteTextures(1, &texture);

    glPushAttrib(GL_CURRENT_BIT);
    glColor4f(0, 0, 0, shade);
    drawRectangle(w, h);
    glPopAttrib();
}
