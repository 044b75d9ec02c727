#include "app/CampaignRun.h"

#include <cstdlib>
#include <iostream>

#include "app/FrameState.h"
#include "app/ReplayRun.h"
#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"

void stepCampaign(Campaign& campaign, int now, int dt, bool saves) {
    campaign.update(now, dt);
    if (campaign.takeSaveRequest() && saves) {
        saveProgress(campaign);
    }
}

void saveProgress(const Campaign& campaign) {
    if (writeSave(campaign.progress()).written) {
        std::cout << "Progress saved" << std::endl;
    }
}

void quitGame(const FrameState& state) {
    if (state.playback) std::exit(0);
    if (state.campaign && !state.campaign->won) {
        saveProgress(*state.campaign);
    }
    endRun(state);
    std::exit(0);
}

void requestQuit(FrameState& state) {
    if (!state.campaign || state.playback) {
        quitGame(state);
    }
    state.pauseMenu.askToQuit(!state.pause.paused);
    state.pause.wanted = true;
}
