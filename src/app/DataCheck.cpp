#include "app/DataCheck.h"

#include <iostream>
#include <memory>
#include <string>

#include "app/OffscreenGl.h"
#include "assets/DataReport.h"
#include "assets/Font.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

namespace {

void say(const char* line) { std::cout << line << std::endl; }

std::string counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

int runDataCheck() {
    setCheckingEverything(true);
    bool withGl = openOffscreenContext();
    if (withGl) {
        loadTextures();
    }
    bool startsUp = initializeWeaponArray();
    startsUp = initializeShipArray() && startsUp;
    if (withGl) {
        shaders = readShaders();
    }
    Universe universe;
    universe.worlds.emplace_back();
    std::unique_ptr<Player> player = initializePlayer();
    startsUp = player && startsUp;
    if (withGl) {
        Font font("subatomic.tsoonami.ttf");
    }
    startsUp = initializeStars(universe) && startsUp;

    if (!withGl) {
        say("No display: the images, shaders and font need OpenGL and were not checked");
    }
    std::cout << "Data check: " << counted(DataReport::totalErrors, "problem") << " and "
              << counted(DataReport::totalWarnings, "warning") << "; the game would "
              << (startsUp ? "start" : "stop at start-up") << std::endl;
    return startsUp ? 0 : 1;
}
