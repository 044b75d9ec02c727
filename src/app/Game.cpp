// The entry function: window, loading in a fixed order, then the frame loop.
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>

#include "app/DataCheck.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "assets/Font.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "core/Platform.h"
#include "world/PlayerSetup.h"
#include "world/Universe.h"
#include "world/WorldSetup.h"

namespace {
void say(const char* line) { std::cout << line << std::endl; }

void openWindow() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_putenv(const_cast<char*>("SDL_VIDEO_CENTERED=center"));
    if (!SDL_SetVideoMode(w, h, 32, SDL_OPENGL)) {
        std::printf("Unable to set %d x %d 32b video: %s\n", w, h, SDL_GetError());
        std::fflush(stdout);
        std::exit(1);
    }
    SDL_WM_SetCaption("Rerara", "Rerara?");
    SDL_WM_GrabInput(SDL_GRAB_ON);
    SDL_ShowCursor(SDL_DISABLE);
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

void prepareDrawing() {
    glViewport(0, 0, w, h);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
}
}  // namespace

int SDL_main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--check") {
        return runDataCheck();
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    say("Starting this thing");
    if (initWindowingLibrary(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL init failed: %s\n", SDL_GetError());
        return 1;
    }
    say("SDL initialized");
    std::atexit(SDL_Quit);
    openWindow();
    initialiseGlew();
    prepareDrawing();

    loadTextures();
    if (!initializeWeaponArray() || !initializeShipArray()) {
        return 1;
    }
    shaders = readShaders();
    say("Ver17");

    FrameState state;
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
    Font font("subatomic.tsoonami.ttf");
    say("Initializing stars");
    if (!initializeStars(universe)) {
        return 1;
    }
    say("Done with that, now starting main loop");
    for (;;) {
        runFrame(state, universe, font);
    }
}
