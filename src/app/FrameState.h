#pragma once

#include <SDL/SDL.h>

#include <string>

#include "combat/ShipCommand.h"
#include "core/Camera.h"
#include "core/point.h"
#include "desktop/Pause.h"
#include "desktop/WindowMode.h"
#include "hud/HudState.h"
#include "pilot/Pilot.h"
#include "replay/ReplayFile.h"
#include "screens/Hints.h"
#include "screens/PauseMenu.h"
#include "settings/Settings.h"
#include "sound/MusicMood.h"

class Campaign;
class ReplayRecorder;
struct ReplayPlayback;

// Percent of the view the cursor moves per mouse pixel at 100 % sensitivity.
const float standardCursorSensitivity = 0.15f;

// Which pieces are drawn over the world, each toggled by its action. The
// status lines and the HUD start as the settings say (a campaign shows the
// HUD and hides the lines). The pilot (its keys, flight computer and
// readouts) is the campaign's, and Free flight's when the settings say.
struct ShownPieces {
    bool statusLines = true;
    bool hud = false;
    bool largeMap = false;
    bool flight = false;
};

// What the frame loop keeps from one frame to the next: timing, the FPS
// figure, Free flight's enemy spawning, the camera and the virtual cursor,
// the pilot's command, and the desktop side: pause, window mode and
// screenshot requests, what is shown over the world, and the player's
// settings.
class FrameState {
public:
    // Reads the clock once (or takes a replayed frame's time): frame time
    // since the last frame, and the FPS count.
    void startFrame();
    void countFps();
    // True (and restarts the spawn timer) when the spawn interval has passed.
    bool takeSpawn();
    // The cursor's world position for a camera centred on `centre`.
    point cursorInWorld(point centre) const;
    void moveCursor(int dx, int dy);
    // Moves the cursor at a stick's pace over this frame: `right` and `up`
    // from -1 to 1; pushed fully, it crosses the view in a second at 100 %
    // sensitivity.
    void steerCursor(float right, float up);

    Uint32 clockTime = 0;
    int frameTime = 0;
    float fpsTimeMs = 0;
    float fpsFrames = 0;
    std::string fpsText;
    Uint32 spawnTicks = 0;
    float spawnIntervalMs = 500;
    Camera camera;
    point cursor{50, 50};
    float cursorSensitivity = standardCursorSensitivity;
    // This frame's command to the ship, gathered from the input.
    ShipCommand command;
    // Between the command and the ship, where `shown.flight` turns it on.
    Pilot pilot;
    Pause pause;
    PauseMenu pauseMenu;
    WindowMode window;
    // F12 was pressed: save the frame before it is shown.
    bool screenshotWanted = false;
    ShownPieces shown;
    // What the HUD keeps from frame to frame.
    HudState hud;
    // What the player chose (settings.txt); app/ApplySettings.h puts it into effect.
    Settings settings;
    // The campaign being played (not owned); null in Free flight and on the title.
    Campaign* campaign = nullptr;
    // The first campaign's hints, shown once.
    Hints hints;
    // The run being recorded (not owned), or null.
    ReplayRecorder* recorder = nullptr;
    // The replay being watched (not owned), or null in play; while one of its
    // frames is stepped, that frame (its time, command and aim).
    ReplayPlayback* playback = nullptr;
    const ReplayFrame* replayed = nullptr;
    // Free flight's figures for its closing line: kills, time, the world.
    RunFigures freeFlightRun;
    // There is a title screen to go back to, and the pause menu asked for it.
    bool titleAvailable = false;
    bool quitToTitleWanted = false;
    // A screen of menus (the title, the closing screen) has the pointer.
    bool menuShown = false;
    // Time in play since an enemy was last near the ship, for the music's
    // mood; it stops counting at the fight loop's hold.
    int msSinceEnemyNear = fightHoldMs;
};
