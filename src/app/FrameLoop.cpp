#include "app/FrameLoop.h"

#include <GL/glew.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <iostream>

#include "app/CampaignRun.h"
#include "app/Events.h"
#include "app/FrameState.h"
#include "app/FrameView.h"
#include "app/Startup.h"
#include "assets/Font.h"
#include "combat/Player.h"
#include "core/Camera.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "desktop/GraphicsSetup.h"
#include "desktop/Screenshot.h"
#include "hud/ClassicOverlays.h"
#include "hud/Notices.h"
#include "hud/Overlays.h"
#include "hud/ScreenMap.h"
#include "hud/StatusPanels.h"
#include "sound/Sound.h"
#include "world/Universe.h"
#include "world/WorldStep.h"

namespace {
const Uint32 pausedRedrawEveryMs = 250;

// The clock, and Free flight's enemies; a campaign brings its own in waves.
void beginFrame(FrameState& state, Universe& universe) {
    glLoadIdentity();
    state.startFrame();
    if (state.takeSpawn() && !state.campaign) {
        spawnEnemy(universe);
    }
}

// The pilot between the command and the ship: the flight computer, the stop
// and the autopilot. What it says shows as a notice.
void pilotShip(FrameState& state, const Universe& universe) {
    bool assist = state.campaign ? state.settings.flightAssist : state.settings.freeFlightAssist;
    std::vector<Destination> places = destinations(universe, knownPlaces(state));
    state.command =
        state.pilot.fly(state.command, *universe.player, universe, places, assist, flightTuning(state), state.frameTime);
    if (state.pilot.notice.empty()) return;
    state.hud.notice(state.pilot.notice, static_cast<int>(state.clockTime));
    state.pilot.notice.clear();
}

// The frame once its command is known.
void stepFrame(FrameState& state, Universe& universe, Font& font) {
    Player& player = *universe.player;
    int dt = state.frameTime;
    int now = static_cast<int>(state.clockTime);
    if (state.shown.flight) pilotShip(state, universe);
    player.update(dt, state.command);
    const point camera = player.position;
    setCamera(state.camera, camera);
    // Aimed and drawn from where the camera looks, though a planet or a
    // wormhole moves the ship later in the frame.
    const point aim = state.cursorInWorld(camera);
    // The large map covers the whole picture.
    if (!state.shown.largeMap) {
        drawBackground();
    }
    if (state.command.fire) {
        player.shoot(state.clockTime, universe.currentWorld(), aim, dt);
    }

    HudView view = frameView(state, universe, camera);
    drawUnderShots(view, universe, dt);
    stepWorld(universe, player, dt, now);
    noteWorldStep(state.hud, view, universe, now);
    if (state.campaign) {
        stepCampaign(*state.campaign, now, dt);
    }

    glColor4f(0, 0.7f, 0, 1);
    if (!player.destroyed) {
        drawMouse(aim);
    }
    drawBoundary();
    // The star pass leaves light-adding blending on, so with a star in the
    // world the cursor and the boundary add light; the text and the panels
    // cover by alpha.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawOverWorld(state, universe, font, camera, now);
}

bool enemyNear(const Universe& universe) {
    point ship = universe.player->position;
    const auto& ships = universe.currentWorld().ships;
    return std::any_of(ships.begin(), ships.end(),
                       [ship](const Ship& enemy) { return pointDistance(enemy.position, ship) < fightReach; });
}

MusicScene sceneOf(const FrameState& state) {
    if (state.menuShown) return MusicScene::menus;
    return state.campaign ? MusicScene::campaign : MusicScene::freeFlight;
}

void runPausedFrame(FrameState& state, Font& font) {
    handlePausedInput(state);
    state.pause.resumeIfUnwanted();
    if (!state.pause.paused) {
        state.pauseMenu.page = PauseMenu::Page::menu;
        return;
    }
    if (!pausedPictureDue(state)) return;
    state.pause.draw();
    state.pauseMenu.draw(font, state.settings);
    presentFrame(state);
}
}  // namespace

bool pausedPictureDue(FrameState& state) {
    // Drawn again now and then too: just after a new video mode the first
    // picture can land in a buffer of the old size.
    bool due = SDL_GetTicks() - state.pause.drawnAt >= pausedRedrawEveryMs;
    if (!due && !state.pause.redrawWanted && !state.screenshotWanted && !state.window.switchWanted) {
        // Nothing moves: leave the machine to others.
        SDL_Delay(10);
        return false;
    }
    state.pause.redrawWanted = false;
    state.pause.drawnAt = SDL_GetTicks();
    return true;
}

void spawnEnemy(Universe& universe) {
    point p{randLoc(), randLoc()};
    while (pointDistance(p, universe.player->position) < 20000) {
        p.x = randLoc();
        p.y = randLoc();
    }
    universe.currentWorld().ships.push_front(Ship(p, 1));
}

void drawFrame(FrameState& state, Universe& universe, Font& font) {
    beginFrame(state, universe);
    handlePlayInput(state, *universe.player);
    stepFrame(state, universe, font);
}

void drawFrame(FrameState& state, Universe& universe, Font& font, const ShipCommand& command) {
    beginFrame(state, universe);
    state.command = command;
    stepFrame(state, universe, font);
}

void drawOverWorld(FrameState& state, Universe& universe, Font& font, point camera, int now) {
    WorldState& world = universe.currentWorld();
    Player& player = *universe.player;
    if (!state.shown.largeMap) {
        if (state.shown.statusLines) {
            drawStatusLines(font, state.fpsText, world, player, state.shown.hud ? statusLinesRaise : 0);
        }
        drawRadar(world, player);
        if (!state.shown.hud) {
            drawClassicMap(world, player);
        }
    }
    HudView view = frameView(state, universe, camera);
    drawOverlays(state.hud, view, universe, font, ScreenMap(camera, state.camera.viewHeight, state.camera.nearScale),
                 now);
}

void presentFrame(FrameState& state) {
    if (state.screenshotWanted) {
        state.screenshotWanted = false;
        state.hud.notice(screenshotNotice(saveScreenshot(state.window.area)), static_cast<int>(state.clockTime));
    }
    SDL_GL_SwapBuffers();
    glClear(GL_COLOR_BUFFER_BIT);
}

void switchWindowIfWanted(FrameState& state, Startup& startup, Universe& universe) {
    if (!state.window.switchWanted) return;
    state.window.switchWanted = false;
    // The world does not see the time the switch takes.
    Uint32 start = ticks();
    WindowMode& window = state.window;
    if (!window.toggle()) return;
    releaseGraphics();
    prepareDrawing(window.area);
    startup.reloadGraphics();
    relinkEmitters(universe);
    captureInput(!state.pause.paused && !state.menuShown);
    state.pause.redrawWanted = true;
    std::cout << (window.fullScreen ? "Full screen " : "Window ") << window.width << " x " << window.height
              << std::endl;
    addPausedTime(ticks() - start);
}

void cueMusic(FrameState& state, const Universe& universe) {
    MusicScene scene = sceneOf(state);
    if (scene != MusicScene::menus) {
        state.msSinceEnemyNear =
            enemyNear(universe) ? 0 : std::min(state.msSinceEnemyNear + state.frameTime, fightHoldMs);
    }
    playMusic(musicMood(scene, state.settings.freeFlightMusic, state.msSinceEnemyNear));
}

void runFrame(FrameState& state, Universe& universe, Font& font) {
    if (state.pause.paused) {
        runPausedFrame(state, font);
        return;
    }
    drawFrame(state, universe, font);
    finishSoundFrame(universe.player->position, universe.player->thrustLevel);
    cueMusic(state, universe);
    state.pause.enterIfWanted(state.window.area);
    if (state.pause.paused) {
        state.pauseMenu.open(state.titleAvailable);
    }
    presentFrame(state);
}
