#include "app/FrameLoop.h"

#include <GL/glew.h>
#include <SDL/SDL.h>

#include "app/CampaignPlay.h"
#include "app/FrameState.h"
#include "app/GraphicsSetup.h"
#include "app/Hud.h"
#include "app/Input.h"
#include "app/MusicCue.h"
#include "app/PausedFrame.h"
#include "app/Screenshot.h"
#include "assets/Font.h"
#include "combat/Player.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/VisibleArea.h"
#include "hud/Notices.h"
#include "hud/Overlays.h"
#include "hud/StatusPanels.h"
#include "input/Controls.h"
#include "sound/Sound.h"
#include "world/Universe.h"
#include "world/WorldStep.h"

namespace {
// A twentieth of the view's size more on every side, so nothing pops in.
const float visibleMargin = 0.05f;

// The world plane lies one unit beyond the near plane, so it shows the view
// rectangle enlarged by (near + 1) / near, round the camera's centre.
VisibleArea worldPlaneShown(const FrameState& state, point centre) {
    double nearPlane = 10000.0 * state.nearScale;
    double grow = (nearPlane + 1) / nearPlane * (1 + visibleMargin);
    float halfHeight = static_cast<float>(state.viewHeight / 2 * grow);
    float halfWidth = halfHeight * state.aspect;
    return VisibleArea{Box{centre.x - halfWidth, centre.x + halfWidth, centre.y - halfHeight,
                           centre.y + halfHeight}};
}

std::string countText(const char* label, size_t count) {
    return label + toString(static_cast<float>(count));
}

void drawRadar(Universe& universe) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, -h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    topLeftUI(universe.currentWorld(), universe.player);
}

// The classic map; the HUD brings a map of its own.
void drawClassicMap(Universe& universe) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-w, 0, -h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    topRightUI(universe.currentWorld(), universe.player);
}
}  // namespace

void spawnEnemy(Universe& universe) {
    point p{randLoc(), randLoc()};
    while (pointDistance(p, universe.player->position) < 20000) {
        p.x = randLoc();
        p.y = randLoc();
    }
    universe.currentWorld().ships.push_front(Ship(p, 1));
}

void setCamera(const FrameState& state, point centre) {
    visibleArea = worldPlaneShown(state, centre);
    float v = state.viewHeight;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-v / 2 * state.aspect, v / 2 * state.aspect, -v / 2, v / 2, 10000 * state.nearScale,
              30000 * state.farScale);
    glTranslatef(-centre.x, -centre.y, 0);
    glTranslatef(0, 0, -10000 * state.nearScale);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -1);
}

void drawStatusLines(FrameState& state, Universe& universe, Font& font, float raise) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    // The model-view keeps its translation by -1, still inside this depth range.
    glMatrixMode(GL_MODELVIEW);
    WorldState& world = universe.currentWorld();
    state.projectilesText = countText("Projectiles: ", world.projectiles.size());
    state.timersText = countText("Timers: ", world.timers.size());
    state.healthText = "Player HP: " + toString(universe.player->getHealth());
    state.shipsText = countText("Ships: ", world.ships.size());
    font.displayText(state.fpsText, 0, raise, 20);
    font.displayText(state.shipsText, 0, raise + 30, 20);
    font.displayText(state.projectilesText, 0, raise + 60, 20);
    font.displayText(state.timersText, 0, raise + 90, 20);
    font.displayText(state.healthText, 0, raise + 120, 20);
}

void drawFrame(FrameState& state, Universe& universe, Font& font) {
    Player& player = *universe.player;
    glLoadIdentity();
    state.startFrame();
    // A campaign brings its enemies in waves of its own.
    if (state.takeSpawn() && !state.campaign) {
        spawnEnemy(universe);
    }
    handleInput(state, player);
    int dt = state.frameTime;
    int now = static_cast<int>(state.clockTime);
    player.update(dt);
    const point camera = player.position;
    setCamera(state, camera);
    // Aimed and drawn from where the camera looks, though a planet or a
    // wormhole moves the ship later in the frame.
    const point aim = state.cursorInWorld(camera);
    // The large map covers the whole picture.
    if (!state.largeMapShown) {
        drawBackground();
    }
    if (actionHeld(Action::fire)) {
        player.shoot(state.clockTime, universe.currentWorld(), aim, dt);
    }

    drawUnderShots(state, universe, dt);
    stepWorld(universe, player, dt, now);
    noteWorldStep(state, universe, now);
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

void drawOverWorld(FrameState& state, Universe& universe, Font& font, point camera, int now) {
    if (!state.largeMapShown) {
        if (state.statusLinesShown) {
            drawStatusLines(state, universe, font, state.hudShown ? statusLinesRaise : 0);
        }
        drawRadar(universe);
        if (!state.hudShown) {
            drawClassicMap(universe);
        }
    }
    drawOverlays(state, universe, font, camera, now);
    if (state.campaign && !state.largeMapShown) {
        state.hints.draw(font, now);
    }
}

void presentFrame(FrameState& state, Universe& universe, Font& font) {
    if (state.screenshotWanted) {
        state.screenshotWanted = false;
        state.hud.notice(screenshotNotice(saveScreenshot(state.window.area)), static_cast<int>(state.clockTime));
    }
    SDL_GL_SwapBuffers();
    glClear(GL_COLOR_BUFFER_BIT);
    switchWindowIfWanted(state, universe, font);
}

void runFrame(FrameState& state, Universe& universe, Font& font) {
    if (state.pause.paused) {
        runPausedFrame(state, universe, font);
        return;
    }
    drawFrame(state, universe, font);
    finishSoundFrame(universe.player->position, universe.player->thrustLevel);
    cueMusic(state, universe);
    state.pause.enterIfWanted(state.window.area);
    if (state.pause.paused) {
        state.pauseMenu.open(state.titleAvailable);
    }
    presentFrame(state, universe, font);
}
