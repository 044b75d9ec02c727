#include "app/Quit.h"

#include <cstdlib>

#include "app/FrameState.h"
#include "campaign/Campaign.h"
#include "app/Progress.h"
#include "campaign/SaveFile.h"

void quitGame(const FrameState& state) {
    if (state.campaign && !state.campaign->won) {
        saveProgress(*state.campaign);
    }
    std::exit(0);
}

void requestQuit(FrameState& state) {
    if (!state.campaign) {
        quitGame(state);
    }
    state.pauseMenu.askToQuit(!state.pause.paused);
    state.pause.wanted = true;
}
