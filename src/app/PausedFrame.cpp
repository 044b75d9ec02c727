#include "app/PausedFrame.h"

#include <SDL/SDL.h>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Input.h"

namespace {
const Uint32 redrawEveryMs = 250;
}  // namespace

void runPausedFrame(FrameState& state, Universe& universe, Font& font) {
    handlePausedInput(state);
    state.pause.resumeIfUnwanted();
    if (!state.pause.paused) {
        state.pauseMenu.page = PauseMenu::Page::menu;
        return;
    }
    // Drawn again now and then too: just after a new video mode the first
    // picture can land in a buffer of the old size.
    bool due = SDL_GetTicks() - state.pause.drawnAt >= redrawEveryMs;
    if (!due && !state.pause.redrawWanted && !state.screenshotWanted && !state.window.switchWanted) {
        // Nothing moves: leave the machine to others.
        SDL_Delay(10);
        return;
    }
    state.pause.redrawWanted = false;
    state.pause.drawnAt = SDL_GetTicks();
    state.pause.draw();
    state.pauseMenu.draw(font, state.settings);
    presentFrame(state, universe, font);
}
