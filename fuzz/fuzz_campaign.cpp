// The campaign's script and its three world files, a save to continue and the
// player's settings; then a few frames of the campaign so read, saving as it
// goes, and the pilot flying in its worlds.
#include <filesystem>
#include <iterator>
#include <memory>

#include "FuzzSupport.h"
#include "campaign/Campaign.h"
#include "campaign/CampaignScript.h"
#include "campaign/CampaignSetup.h"
#include "campaign/SaveFile.h"
#include "combat/Player.h"
#include "pilot/Pilot.h"
#include "settings/SettingsFile.h"
#include "world/Universe.h"
#include "world/WorldStep.h"

namespace {
const char* const shippedFiles[] = {"campaign/campaign.txt", "campaign/stardata.txt", "campaign/planetdata.txt",
                                    "campaign/wormholedata.txt", "settings.txt"};

// The autopilot to each place of the world in turn, the assist, then a stop,
// by the script's flight tuning.
void flyPilot(const Campaign& campaign, Universe& universe, int now) {
    KnownPlaces known;
    known.cleared = campaign.cleared;
    known.respawnStar = campaign.respawn.star;
    known.respawnPlanet = campaign.respawn.planet;
    for (int points : campaign.script.points) known.pointsByType.push_back(points);
    Player& player = *universe.player;
    Pilot pilot;
    for (int frame = 0; frame < 12; ++frame) {
        pilot.nextPressed = frame % 3 == 0;
        pilot.autopilotPressed = frame % 3 == 1;
        pilot.stopPressed = frame == 10;
        ShipCommand command =
            pilot.fly(ShipCommand{}, player, universe, destinations(universe, known), true, campaign.script.flight, 16);
        player.update(16, command);
        now += 16;
        stepWorld(universe, player, 16, now);
    }
}

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
    flyPilot(*campaign, universe, now);
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
