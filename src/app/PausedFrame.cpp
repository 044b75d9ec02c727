#include "app/PausedFrame.h"

#include <SDL/SDL.h>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Input.h"

void runPausedFrame(FrameState& state, Universe& universe, Font& font) {
    handlePausedInput(state);
    state.pause.resumeIfUnwanted();
    if (!state.pause.paused) return;
    if (!state.pause.redrawWanted && !state.screenshotWanted && !state.window.switchWanted) {
        // Nothing moves: leave the machine to others.
        SDL_Delay(10);
        return;
    }
    state.pause.redrawWanted = false;
    state.pause.draw(font);
    presentFrame(state, universe, font);
}
