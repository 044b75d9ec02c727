#include "app/CampaignPlay.h"

#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"

void stepCampaign(Campaign& campaign, int now, int dt) {
    campaign.update(now, dt);
    if (campaign.takeSaveRequest()) {
        writeSave(campaign.progress());
    }
}
