#pragma once

#include <SDL/SDL.h>

#include <string>

#include "app/Pause.h"
#include "app/WindowMode.h"
#include "core/point.h"

// The world rectangle the camera shows.
struct ViewRect {
    float left;
    float right;
    float bottom;
    float top;
};

// What the frame loop keeps from one frame to the next: timing, the FPS
// figure, enemy spawning, the camera settings, the virtual cursor, and the
// desktop side: pause, window mode and screenshot requests.
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
    float cursorSensitivity = 0.15f;
    std::string shipsText;
    std::string projectilesText;
    std::string timersText;
    std::string healthText;
    Pause pause;
    WindowMode window;
    // F12 was pressed: save the frame before it is shown.
    bool screenshotWanted = false;
};
