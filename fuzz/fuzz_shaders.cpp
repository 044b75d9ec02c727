// A shader pair through the reader and the compiler, then the effects and
// trails that use the programs drawn.
#include <GL/glew.h>

#include <memory>

#include "FuzzSupport.h"
#include "assets/Shaders.h"
#include "combat/Player.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

int fuzzShaders(const uint8_t* data, size_t size) {
    prepareFuzzing();
    std::vector<std::string> files = splitInput(data, size, 2);
    // The input stands in for every pair, so each program's users meet it.
    for (const char* name : {"shader0", "shader1", "shader2"}) {
        writeDataFile((std::string(name) + ".vs").c_str(), files[0]);
        writeDataFile((std::string(name) + ".fs").c_str(), files[1]);
    }
    shaders = readShaders();
    std::unique_ptr<Player> player = initializePlayer();
    Universe universe;
    universe.worlds.resize(1);
    universe.player = player.get();
    if (player && initializeStars(universe)) {
        spawnEachType(universe);
        playFrames(universe, 3);
    }
    for (GLuint program : shaders) {
        glDeleteProgram(program);
    }
    restoreShippedData({"shader0.vs", "shader0.fs", "shader1.vs", "shader1.fs", "shader2.vs", "shader2.fs"});
    return 0;
}
