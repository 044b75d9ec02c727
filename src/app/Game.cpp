// The entry function: window, loading in a fixed order, then the frame loop.
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/DataCheck.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/GraphicsSetup.h"
#include "assets/Font.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "core/Platform.h"
#include "core/WriteFolder.h"
#include "sound/Sound.h"
#include "sound/SoundSystem.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

namespace {
void say(const char* line) { std::cout << line << std::endl; }

void openWindow(WindowMode& window, bool fullScreen) {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_putenv(const_cast<char*>("SDL_VIDEO_CENTERED=center"));
    window.readDesktop();
    window.open(fullScreen);
    SDL_WM_SetCaption("Rerara", "Rerara?");
    captureInput(true);
    SDL_EnableUNICODE(1);
}

void initialiseGlew() {
    GLenum result = glewInit();
    if (result != GLEW_OK) {
        std::printf("Error, %s\n", glewGetErrorString(result));
        std::fflush(stdout);
    } else {
        say("Glew is initialized");
    }
}
}  // namespace

int SDL_main(int argc, char** argv) {
    Options options = parseCommandLine(argc, argv);
    if (options.help) {
        printHelp(std::cout);
        return 0;
    }
    if (options.check) {
        return runDataCheck();
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    say("Starting this thing");
    // Audio starts with the sound system, which keeps the driver probe quiet.
    if (initWindowingLibrary(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL init failed: %s\n", SDL_GetError());
        return 1;
    }
    say("SDL initialized");
    std::atexit(SDL_Quit);
    FrameState state;
    openWindow(state.window, options.fullScreen);
    SoundSystem sound(readSoundSettings(settingsFileName()));
    useSoundSystem(&sound);
    initialiseGlew();
    prepareDrawing(state.window.area);

    loadTextures();
    if (!initializeWeaponArray() || !initializeShipArray()) {
        return 1;
    }
    shaders = readShaders();
    say("Ver17");

    state.clockTime = ticks();
    SDL_GetRelativeMouseState(nullptr, nullptr);
    Universe universe;
    universe.worlds.emplace_back();
    state.spawnTicks = ticks();
    std::unique_ptr<Player> player = initializePlayer();
    if (!player) {
        return 1;
    }
    universe.player = player.get();
    say("Player initialized");

    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    say("Loading font");
    Font font(fontFileName);
    say("Initializing stars");
    if (!initializeStars(universe)) {
        return 1;
    }
    say("Done with that, now starting main loop");
    for (;;) {
        runFrame(state, universe, font);
    }
}
