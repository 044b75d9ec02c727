#include "app/Progress.h"

#include <iostream>

#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"

void saveProgress(const Campaign& campaign) {
    if (writeSave(campaign.progress()).written) {
        std::cout << "Progress saved" << std::endl;
    }
}
