#pragma once

#include <SDL/SDL.h>

#include <string>

#include "app/Hints.h"
#include "app/Pause.h"
#include "app/PauseMenu.h"
#include "app/WindowMode.h"
#include "core/point.h"
#include "hud/HudState.h"
#include "settings/Settings.h"
#include "sound/MusicMood.h"

// Percent of the view the cursor moves per mouse pixel at 100 % sensitivity.
const float standardCursorSensitivity = 0.15f;

// The world rectangle the camera shows.
struct ViewRect {
    float left;
    float right;
    float bottom;
    float top;
};

// What the frame loop keeps from one frame to the next: timing, the FPS
// figure, enemy spawning, the camera settings, the virtual cursor, and the
// desktop side: pause, window mode and screenshot requests, what is shown
// over the world, and the player's settings.
class Campaign;

class FrameState {
public:
    FrameState();

    // Reads the clock: frame time since the last frame, and the FPS count.
    void startFrame();
    void countFps();
    // True (and restarts the spawn timer) when the spawn interval has passed.
    bool takeSpawn();
    ViewRect viewRect(point centre) const;
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
    float viewHeight = 4000;
    float nearScale = 1;
    float farScale = 1;
    float aspect;
    point cursor{50, 50};
    float cursorSensitivity = standardCursorSensitivity;
    std::string shipsText;
    std::string projectilesText;
    std::string timersText;
    std::string healthText;
    Pause pause;
    PauseMenu pauseMenu;
    WindowMode window;
    // F12 was pressed: save the frame before it is shown.
    bool screenshotWanted = false;
    // Over the world, each toggled by its action. The status lines and the
    // HUD start as the settings say (a campaign shows the HUD and hides the
    // lines).
    bool statusLinesShown = true;
    bool hudShown = false;
    bool largeMapShown = false;
    // Labels on the bodies in view and markers for what lies off screen: a
    // campaign has them, Free flight when the settings ask.
    bool labelsShown() const { return campaign || settings.freeFlightLabels; }
    bool markersShown() const { return campaign || settings.freeFlightMarkers; }
    // What the HUD keeps from frame to frame.
    HudState hud;
    // What the player chose (settings.txt); app/ApplySettings.h puts it into effect.
    Settings settings;
    // The campaign being played (not owned); null in Free flight and on the title.
    Campaign* campaign = nullptr;
    // The first campaign's hints, shown once.
    Hints hints;
    // There is a title screen to go back to, and the pause menu asked for it.
    bool titleAvailable = false;
    bool quitToTitleWanted = false;
    // A screen of menus (the title, the closing screen) has the pointer.
    bool menuShown = false;
    // Time in play since an enemy was last near the ship, for the music's
    // mood; it stops counting at the fight loop's hold.
    int msSinceEnemyNear = fightHoldMs;
};
