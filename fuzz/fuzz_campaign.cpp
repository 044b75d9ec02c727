// The campaign's script and its three world files, a save to continue and the
// player's settings; then a few frames of the campaign so read, saving as it goes.
#include <filesystem>
#include <iterator>
#include <memory>

#include "FuzzSupport.h"
#include "campaign/Campaign.h"
#include "campaign/CampaignScript.h"
#include "campaign/CampaignSetup.h"
#include "campaign/SaveFile.h"
#include "combat/Player.h"
#include "settings/SettingsFile.h"
#include "world/Universe.h"

namespace {
const char* const shippedFiles[] = {"campaign/campaign.txt", "campaign/stardata.txt", "campaign/planetdata.txt",
                                    "campaign/wormholedata.txt", "settings.txt"};

void playCampaign(const CampaignScript& script, Universe& universe) {
    Player player(point{0, 0}, 0.001f, 0.003f, 0.003f, 1000, 45);
    universe.player = &player;
    int now = 1000;
    SavedCampaign save;
    std::unique_ptr<Campaign> campaign =
        readSave(script, universe, save) ? std::make_unique<Campaign>(script, universe, save, now)
                                         : std::make_unique<Campaign>(script, universe, script.difficulties[0], now);
    for (int frame = 0; frame < 12; ++frame) {
        playFrames(universe, 1);
        now += 16;
        campaign->update(now, 16);
        if (campaign->takeSaveRequest()) writeSave(campaign->progress(now));
    }
    universe.player = nullptr;
}
}  // namespace

int fuzzCampaign(const uint8_t* data, size_t size) {
    prepareFuzzing();
    std::vector<std::string> files = splitInput(data, size, std::size(shippedFiles) + 1);
    for (size_t i = 0; i < std::size(shippedFiles); ++i) writeDataFile(shippedFiles[i], files[i]);
    writeDataFile(saveFileName, files.back());
    readSettings("settings.txt");
    {
        Universe universe;
        CampaignScript script;
        if (loadCampaign(universe, script)) playCampaign(script, universe);
    }
    std::filesystem::remove(saveFileName);
    restoreShippedData({shippedFiles[0], shippedFiles[1], shippedFiles[2], shippedFiles[3], shippedFiles[4]});
    return 0;
}
