#include "app/CampaignRun.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/FrameState.h"
#include "app/ReplayRun.h"
#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"

namespace {
WriteResult writeProgress(Campaign& campaign, int now) {
    WriteResult result = writeSave(campaign.progress(now));
    if (result.written) std::cout << "Progress saved" << std::endl;
    campaign.saveProblem = result.reason;
    return result;
}

// The quit question, as true as the save just tried; it says itself why a save failed.
std::string quitQuestion(Campaign& campaign, int now) {
    if (campaign.won) return "Quit? The win is recorded.";
    if (campaign.lost) return "Quit? The result is recorded.";
    if (campaign.run.endless) return "Quit? The run ends here; its result is kept.";
    WriteResult saved = writeProgress(campaign, now);
    return saved.written ? "Quit? Progress is saved." : "Could not save: " + saved.reason + ". Quit anyway?";
}
}  // namespace

void stepCampaign(Campaign& campaign, int now, int dt, bool saves) {
    campaign.update(now, dt);
    // A finished run has no save, nor has an endless one: their results are kept instead.
    if (campaign.takeSaveRequest() && saves && !campaign.ended() && !campaign.run.endless) {
        saveProgress(campaign, now);
    }
}

// A failure already on screen stays there longer rather than showing twice.
WriteResult saveProgress(Campaign& campaign, int now) {
    WriteResult result = writeProgress(campaign, now);
    if (result.written) return result;
    std::string text = "Could not save: " + result.reason;
    int until = now + Campaign::worldMessageMs;
    for (CampaignMessage& message : campaign.messages) {
        if (message.text != text) continue;
        message.until = until;
        return result;
    }
    campaign.messages.push_back(CampaignMessage{text, until, Campaign::worldMessageMs, MessageKind::other});
    return result;
}

size_t recordResult(const RunResult& run, std::vector<RunResult>& best) {
    size_t place = recordBestResult(run, best);
    if (place > 0) {
        std::cout << "Result recorded: score " << run.score << ", place " << place << " among the best runs" << std::endl;
    } else {
        std::cout << "Result: score " << run.score << ", below the " << bestResultsKept << " best runs" << std::endl;
    }
    return place;
}

WriteResult leaveRun(Campaign& campaign, int now) {
    if (campaign.ended()) return WriteResult{true, ""};
    if (!campaign.run.endless) return saveProgress(campaign, now);
    std::vector<RunResult> best;
    recordResult(campaign.run, best);
    return WriteResult{true, ""};
}

void quitGame(const FrameState& state) {
    if (state.playback) std::exit(0);
    if (state.campaign) leaveRun(*state.campaign, static_cast<int>(state.clockTime));
    endRun(state);
    std::exit(0);
}

void requestQuit(FrameState& state) {
    if (!state.campaign || state.playback) {
        quitGame(state);
    }
    state.pauseMenu.askToQuit(!state.pause.paused, quitQuestion(*state.campaign, static_cast<int>(state.clockTime)));
    state.pause.wanted = true;
}
