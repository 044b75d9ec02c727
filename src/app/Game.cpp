// The entry function: start-up's stages with SDL, the window and OpenGL
// readied between them, then the frame loop.
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>

#include "app/ApplySettings.h"
#include "app/CommandLine.h"
#include "app/DataCheck.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/ReplayRun.h"
#include "desktop/GraphicsSetup.h"
#include "app/Shell.h"
#include "app/Startup.h"
#include "campaign/SaveFile.h"
#include "core/Platform.h"
#include "core/SeededRandom.h"
#include "endless/WorldText.h"
#include "input/Gamepad.h"
#include "input/KeyPlace.h"
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"

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
    if (options.wrong) {
        return 1;
    }
    if (options.check) {
        return runDataCheck(options.replay);
    }
    if (!options.writeWorlds.empty()) {
        return writeWorldsAndSay(options.seedGiven ? options.seed : freshSeed(), options.writeWorlds);
    }
    // A replay that cannot be read stops the game before anything starts.
    std::unique_ptr<ReplayPlayback> playback;
    if (!options.replay.empty()) {
        playback = std::make_unique<ReplayPlayback>();
        if (!readReplay(options.replay, playback->replay)) return 1;
    }
    Startup startup;
    startup.sayProgress = true;
    startup.withAudio = true;
    startup.withCampaign = !options.freeFlight || playback;
    startup.load(StartupStage::effects);
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
    startup.load(StartupStage::settings);
    state.settings = startup.settings;
    openWindow(state.window, options.fullScreen || state.settings.fullScreen);
    useKeyPlacesOfVideoDriver();
    openGamepad();
    startup.load(StartupStage::sound);
    applySettings(state);
    startFreeFlightOverlays(state);
    initialiseGlew();
    prepareDrawing(state.window.area);
    if (!startup.load(StartupStage::assets)) {
        return 1;
    }
    state.clockTime = ticks();
    SDL_GetRelativeMouseState(nullptr, nullptr);
    state.spawnTicks = ticks();
    if (!startup.load(StartupStage::world)) {
        return 1;
    }
    SavedCampaign from;
    if (playback && !replayFits(playback->replay, startup, options.replay, from)) {
        return 1;
    }
    if (!startup.campaign) {
        if (playback) return watchWithoutTitle(state, startup, *playback);
        std::unique_ptr<ReplayRecorder> recorder = recordFreeFlightIfAsked(state);
        for (;;) {
            runFrame(state, startup.universe, *startup.font);
            switchWindowIfWanted(state, startup, startup.universe);
        }
    }
    Shell shell(state, startup, options.seedGiven ? std::optional<uint64_t>(options.seed) : std::nullopt);
    if (playback) shell.watch(std::move(playback), from);
    for (;;) {
        shell.runFrame();
    }
}
