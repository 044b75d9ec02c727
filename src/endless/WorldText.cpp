#include "endless/WorldText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/WriteFolder.h"
#include "endless/WorldGenerator.h"

namespace {

// Fixed decimals without the trailing zeros: 0.16, 0.00043, 700.
std::string decimal(float value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    std::string written = text;
    if (written.find('.') != std::string::npos) {
        written.erase(written.find_last_not_of('0') + 1);
        if (written.back() == '.') written.pop_back();
    }
    return written == "-0" ? "0" : written;
}

std::string whole(float value) { return decimal(value, 0); }

// A name item: blanks are written as underscores.
std::string item(std::string name) {
    for (char& c : name) c = c == ' ' ? '_' : c;
    return "@" + name;
}

const char campaignSettings[] =
    "start 0\n"
    "spawn 6500 9500\n"
    "escape 18000\n"
    "respawn 3000\n"
    "deathcost 10\n"
    "repair 250\n\n"
    "points 2 100\npoints 3 250\npoints 4 300\npoints 5 150\npoints 6 400\npoints 7 5000\n\n"
    "difficulty easy   0.7 0.6 0.8\n"
    "difficulty normal 1   1   1\n"
    "difficulty hard   1.4 1.5 1.5\n";

void addStars(WorldTexts& texts, const GeneratedWorld& world) {
    for (const GeneratedStar& star : world.stars) {
        texts.stars += std::to_string(world.number) + " " + whole(star.position.x) + " " + whole(star.position.y) +
                       " " + whole(star.radius) + " " + decimal(star.density, 2) + " 0 14 " + item(star.name) +
                       " " + item(star.look) + "\n";
    }
    for (const GeneratedPlanet& planet : world.planets) {
        texts.planets += std::to_string(texts.starRows + planet.star) + " " + whole(planet.radius) + " " +
                         decimal(planet.density, 2) + " " + whole(planet.orbitRadius) + " " +
                         decimal(planet.orbitSpeed, 5) + " " + whole(planet.orbitAngle) + " " +
                         decimal(planet.spinRate, 3) + " " + whole(planet.spinAngle) + " 10 " + item(planet.name) +
                         " " + item(planet.look) + "\n";
    }
    texts.starRows += static_cast<int>(world.stars.size());
}

void addWayOn(WorldTexts& texts, const GeneratedWorld& world) {
    const GeneratedWormhole& wayOn = world.wayOn;
    texts.wormholes += std::to_string(world.number) + " " + whole(wayOn.position.x) + " " + whole(wayOn.position.y) +
                       " " + whole(wayOn.captureRadius) + " " + std::to_string(wayOn.destination) + " " +
                       whole(wayOn.exit.x) + " " + whole(wayOn.exit.y) + " 1\n";
}

void addBlock(WorldTexts& texts, const WorldScript& script, bool final) {
    std::string& text = texts.campaign;
    text += "\nworld " + std::to_string(script.world) + " " + script.name + "\n";
    text += script.goal == WorldGoal::kills ? "goal kills " + std::to_string(script.killTarget) + "\n" : "goal waves\n";
    text += "bonus " + std::to_string(script.bonus) + "\n";
    if (final) text += "final\n";
    for (const Wave& wave : script.waves) {
        text += "wave\n";
        for (const ShipsLine& s : wave.ships) {
            text += "ships " + std::to_string(s.type) + " " + std::to_string(s.total) + " " +
                    std::to_string(s.atOnce) + " " + std::to_string(s.intervalMs) + " " + std::to_string(s.cap) + "\n";
        }
    }
}

}  // namespace

WorldTexts startWorldTexts(uint64_t seed) {
    std::string made = "# Made by rerara --seed " + std::to_string(seed) + " --write-worlds; data/README.md tells ";
    WorldTexts texts;
    texts.stars = made + "the columns.\n";
    texts.planets = texts.stars;
    texts.wormholes = texts.stars;
    texts.campaign = made + "every keyword.\n\n" + campaignSettings;
    return texts;
}

void addWorldText(WorldTexts& texts, const GeneratedWorld& world, bool final) {
    addStars(texts, world);
    if (!final) addWayOn(texts, world);
    addBlock(texts, world.script, final);
}

WorldTexts generatedWorldTexts(uint64_t seed, int count) {
    WorldTexts texts = startWorldTexts(seed);
    for (int number = 0; number < count; ++number) {
        addWorldText(texts, generateWorld(seed, number), number == count - 1);
    }
    return texts;
}

bool writeGeneratedWorlds(uint64_t seed, int count, const std::string& folder) {
    std::filesystem::path campaign = std::filesystem::path(folder) / "campaign";
    WorldTexts texts = generatedWorldTexts(seed, count);
    const std::string failure = "Cannot write the generated worlds to ";
    return replaceFile(campaign / "stardata.txt", texts.stars, failure).written &&
           replaceFile(campaign / "planetdata.txt", texts.planets, failure).written &&
           replaceFile(campaign / "wormholedata.txt", texts.wormholes, failure).written &&
           replaceFile(campaign / "campaign.txt", texts.campaign, failure).written;
}

int writeWorldsAndSay(uint64_t seed, const std::string& folder) {
    const int worlds = 10;
    // The installed launcher runs the game in the data folder, and says where the player was.
    std::filesystem::path target = folder;
    const char* start = std::getenv("RERARA_START_FOLDER");
    if (target.is_relative() && start != nullptr && start[0] != '\0') target = std::filesystem::path(start) / target;
    if (!writeGeneratedWorlds(seed, worlds, target.string())) return 1;
    std::cout << "Seed " << seed << ": worlds 0 to " << worlds - 1 << " written to " << (target / "campaign").string()
              << std::endl;
    return 0;
}
