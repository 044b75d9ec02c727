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
#include "replay/ReplayPlayback.h"
#include "replay/ReplayRecorder.h"
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
// and the autopilot. What it says shows as a notice. A replay presses what
// the player pressed, with the assist as it was.
void pilotShip(FrameState& state, const Universe& universe, const PilotKeys& keys) {
    state.pilot.stopPressed = keys.stop;
    state.pilot.autopilotPressed = keys.autopilot;
    state.pilot.nextPressed = keys.next;
    std::vector<Destination> places = destinations(universe, knownPlaces(state));
    state.command = state.pilot.fly(state.command, *universe.player, universe, places, keys.assist,
                                    flightTuning(state), state.frameTime);
    if (state.pilot.notice.empty()) return;
    state.hud.notice(state.pilot.notice, static_cast<int>(state.clockTime));
    state.pilot.notice.clear();
}

// What the player asked of the pilot this frame; nothing while it is off.
PilotKeys pilotKeys(const FrameState& state) {
    if (state.replayed) return state.replayed->pilot;
    if (!state.shown.flight) return PilotKeys{};
    bool assist = state.campaign ? state.settings.flightAssist : state.settings.freeFlightAssist;
    return PilotKeys{state.pilot.stopPressed, state.pilot.autopilotPressed, state.pilot.nextPressed, assist};
}

// Free flight keeps no score: its closing line counts what the weapons
// destroyed and the time flown, in the world it ended in.
void countFreeFlight(FrameState& state, const Universe& universe, const WorldState& stepped, int dt) {
    RunFigures& run = state.freeFlightRun;
    for (const ShipLoss& loss : stepped.shipLosses) {
        if (loss.cause == LossCause::destroyed) ++run.kills;
    }
    run.timeMs += dt;
    if (state.recorder || state.playback) run.world = starName(universe, universe.player->getWorld());
}

// What the player gave this frame, for the recording; a replayed frame
// sets Free flight's enemy interval as the player had it.
void noteFrame(FrameState& state, const ShipCommand& keys, const PilotKeys& pilot, point aim) {
    if (state.replayed) state.spawnIntervalMs = state.replayed->spawnIntervalMs;
    if (!state.recorder) return;
    ReplayFrame frame;
    frame.frameTime = state.frameTime;
    frame.command = keys;
    frame.pilot = pilot;
    frame.aim = aim;
    frame.spawnIntervalMs = state.spawnIntervalMs;
    state.recorder->addFrame(frame);
}

// The frame once its command is known.
void stepFrame(FrameState& state, Universe& universe, Font& font) {
    Player& player = *universe.player;
    int dt = state.frameTime;
    int now = static_cast<int>(state.clockTime);
    enterFrameClock(state.clockTime);
    // Recorded as the player gave them, before the pilot adds its part.
    const ShipCommand keys = state.command;
    const PilotKeys pilot = pilotKeys(state);
    if (state.shown.flight || state.replayed) pilotShip(state, universe, pilot);
    player.update(dt, state.command);
    const point camera = player.position;
    setCamera(state.camera, camera);
    // Aimed and drawn from where the camera looks, though a planet or a
    // wormhole moves the ship later in the frame; a replay aims where the
    // player did.
    const point aim = state.replayed ? state.replayed->aim : state.cursorInWorld(camera);
    noteFrame(state, keys, pilot, aim);
    // The large map covers the whole picture.
    if (!state.shown.largeMap) {
        drawBackground();
    }
    if (state.command.fire) {
        player.shoot(state.clockTime, universe.currentWorld(), aim, dt);
    }

    HudView view = frameView(state, universe, camera);
    drawUnderShots(view, universe, dt);
    const WorldState& stepped = universe.currentWorld();
    stepWorld(universe, player, dt, now);
    noteWorldStep(state.hud, view, universe, now);
    if (state.campaign) {
        stepCampaign(*state.campaign, now, dt, !state.playback);
    } else {
        countFreeFlight(state, universe, stepped, dt);
    }
    leaveFrameClock();

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
    if (state.playback) {
        playRecordedFrames(state, universe, font);
    } else {
        drawFrame(state, universe, font);
    }
    finishSoundFrame(universe.player->position, universe.player->thrustLevel);
    cueMusic(state, universe);
    state.pause.enterIfWanted(state.window.area);
    if (state.pause.paused) {
        state.pauseMenu.open(state.titleAvailable);
        if (state.recorder) state.recorder->notePause();
    }
    presentFrame(state);
}

void playRecordedFrames(FrameState& state, Universe& universe, Font& font) {
    handleReplayInput(state);
    ReplayPlayback& playback = *state.playback;
    for (int i = 0; i < playback.speed && !playback.finished(); ++i) {
        // Only the last of them is shown.
        if (i > 0) glClear(GL_COLOR_BUFFER_BIT);
        const ReplayFrame& frame = playback.replay.frames[playback.played++];
        state.replayed = &frame;
        drawFrame(state, universe, font, frame.command);
        state.replayed = nullptr;
        if (frame.pausedAfter) state.hud.notice("The player paused here", static_cast<int>(state.clockTime));
    }
}
