#include "app/CampaignPlay.h"

#include "app/Progress.h"
#include "campaign/Campaign.h"

void stepCampaign(Campaign& campaign, int now, int dt) {
    campaign.update(now, dt);
    if (campaign.takeSaveRequest()) {
        saveProgress(campaign);
    }
}
