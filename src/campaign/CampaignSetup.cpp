#include "campaign/CampaignSetup.h"

#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "assets/DataReport.h"
#include "assets/Tables.h"
#include "campaign/CampaignScript.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

namespace {

const WorldFiles campaignWorldFiles{"campaign/stardata.txt", "campaign/planetdata.txt",
                                    "campaign/wormholedata.txt"};

bool hasFolder(const char* name) {
    std::error_code error;
    return std::filesystem::is_directory(name, error);
}

bool worldFilesPresent() {
    bool present = true;
    for (const std::string& file : {campaignWorldFiles.stars, campaignWorldFiles.planets,
                                    campaignWorldFiles.wormholes}) {
        std::string problem = dataFileProblem(file, textFiles);
        if (!problem.empty()) {
            std::cout << file << ": " << (problem == missingFile ? "missing or not a file" : problem) << std::endl;
            DataReport::noteProblem();
            present = false;
        }
    }
    return present;
}

bool worldExists(const Universe& universe, int world) {
    return world >= 0 && static_cast<size_t>(world) < universe.worlds.size();
}

// The worlds the ship can reach from `start` through wormholes.
std::set<int> reachableWorlds(const Universe& universe, int start) {
    std::set<int> reached{start};
    std::vector<int> waiting{start};
    while (!waiting.empty()) {
        int world = waiting.back();
        waiting.pop_back();
        for (const Wormhole& wormhole : universe.worlds[static_cast<size_t>(world)].wormholes) {
            if (reached.insert(wormhole.destinationWorld).second) waiting.push_back(wormhole.destinationWorld);
        }
    }
    return reached;
}

void checkAgainstUniverse(const CampaignScript& script, const Universe& universe, DataReport& report) {
    std::string worlds = " is not in the campaign's universe (worlds 0 to " +
                         std::to_string(universe.worlds.size() - 1) + ")";
    for (const WorldScript& block : script.worlds) {
        if (!worldExists(universe, block.world)) report.fail(block.line, "world " + std::to_string(block.world) + worlds);
    }
    if (!worldExists(universe, script.startWorld)) {
        report.fail(0, "start world " + std::to_string(script.startWorld) + worlds);
        return;
    }
    for (int world : reachableWorlds(universe, script.startWorld)) {
        const WorldScript* block = script.world(world);
        if (block != nullptr && block->final) return;
    }
    report.fail(0, "no wormhole path leads from the start world to a final world");
}

}  // namespace

bool loadCampaign(Universe& universe, CampaignScript& script) {
    if (!hasFolder(campaignFolder)) return false;
    universe.worlds.emplace_back();
    bool loaded = readCampaignScript(campaignScriptFile, SHIPDATA.size(), script);
    if (loaded || checkingEverything()) {
        loaded = worldFilesPresent() && initializeStars(universe, campaignWorldFiles) && loaded;
    }
    if (loaded) {
        DataReport report(campaignScriptFile);
        checkAgainstUniverse(script, universe, report);
        loaded = !report.failed();
    }
    if (!loaded) std::cout << "No campaign: Free flight only" << std::endl;
    return loaded;
}
