#include "FuzzSupport.h"

#include <GL/glew.h>
#include <SDL/SDL.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "hud/ClassicOverlays.h"
#include "desktop/OffscreenGl.h"
#include "app/Startup.h"
#include "assets/EmitterData.h"
#include "assets/Shaders.h"
#include "assets/ShipLooks.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Platform.h"
#include "world/Universe.h"
#include "world/WorldStep.h"

namespace {

std::string dataDir;
std::filesystem::path scratchDir;
std::vector<GLuint> shippedShaders;
EmitterTable shippedEmitters;
NumberTable shippedWeapons;
NumberTable shippedShips;
std::vector<ShipLook> shippedLooks;
Uint32 fakeClock = 1000;

}  // namespace

void prepareFuzzing() {
    if (!dataDir.empty()) return;
    const char* dir = std::getenv("RERARA_DATA");
    dataDir = dir ? dir : RERARA_DATA_DIR;
    if (!openOffscreenContext()) {
        std::abort();  // the targets need GL: run them under a display
    }
    char scratch[] = "/tmp/rerara-fuzz-XXXXXX";
    scratchDir = mkdtemp(scratch);
    std::filesystem::copy(dataDir, scratchDir, std::filesystem::copy_options::recursive);
    std::filesystem::current_path(scratchDir);
    std::atexit([] { std::filesystem::remove_all(scratchDir); });
    setTicksForTesting(&fakeClock);
    static Startup startup;
    startup.loadAll();
    shippedShaders = shaders;
    shippedEmitters = emitters;
    shippedWeapons = WEAPONDATA;
    shippedShips = SHIPDATA;
    shippedLooks = shipLooks;
}

std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t parts) {
    const std::string separator = "\n====\n";
    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    size_t start = 0;
    while (pieces.size() + 1 < parts) {
        size_t end = input.find(separator, start);
        if (end == std::string::npos) break;
        pieces.push_back(input.substr(start, end - start));
        start = end + separator.size();
    }
    pieces.push_back(input.substr(start));
    pieces.resize(parts);
    return pieces;
}

void writeDataFile(const char* name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

void restoreShippedData(std::initializer_list<const char*> files) {
    for (const char* name : files) {
        // A timer signal may interrupt the copy: try again then.
        std::error_code error;
        do {
            error.clear();
            std::filesystem::copy_file(dataDir + "/" + name, name, std::filesystem::copy_options::overwrite_existing,
                                       error);
        } while (error == std::errc::interrupted);
        if (error) throw std::filesystem::filesystem_error("cannot restore a shipped file", name, error);
    }
    shaders = shippedShaders;
    emitters = shippedEmitters;
    WEAPONDATA = shippedWeapons;
    SHIPDATA = shippedShips;
    shipLooks = shippedLooks;
}

void spawnEachType(Universe& universe) {
    Player& player = *universe.player;
    for (size_t type = 0; type < SHIPDATA.size() && type < 12; ++type) {
        point at{player.position.x + 300.0f + 150.0f * type, player.position.y + 200.0f};
        universe.currentWorld().ships.push_front(Ship(at, static_cast<int>(type)));
    }
}

void playFrames(Universe& universe, int frames) {
    Player& player = *universe.player;
    ShipCommand command;
    command.thrust = 1;
    command.turnRight = 1;
    for (int frame = 0; frame < frames; ++frame) {
        // One frame of 0 ms: the world must cope with a frame shorter than the fakeClock.
        int dt = frame == 1 ? 0 : 16;
        fakeClock += static_cast<Uint32>(dt);
        int now = static_cast<int>(fakeClock);
        command.weapon = frame % 3;
        player.update(dt, command);
        point target{player.position.x + 300, player.position.y + 200};
        player.shoot(fakeClock, universe.currentWorld(), target, dt);
        stepWorld(universe, player, dt, now);
        topLeftUI(universe.currentWorld(), &player);
        topRightUI(universe.currentWorld(), &player);
    }
    glFinish();
}
