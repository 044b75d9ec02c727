#include "app/CampaignRun.h"

#include <cstdlib>
#include <iostream>

#include "app/FrameState.h"
#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"

void stepCampaign(Campaign& campaign, int now, int dt) {
    campaign.update(now, dt);
    if (campaign.takeSaveRequest()) {
        saveProgress(campaign);
    }
}

void saveProgress(const Campaign& campaign) {
    if (campaign.run.endless) return;
    if (writeSave(campaign.progress()).written) {
        std::cout << "Progress saved" << std::endl;
    }
}

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
