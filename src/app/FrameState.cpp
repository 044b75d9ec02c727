#include "app/FrameState.h"

#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"

void FrameState::startFrame() {
    Uint32 now = replayed ? clockTime + static_cast<Uint32>(replayed->frameTime) : ticks();
    frameTime = static_cast<int>(now - clockTime);
    countFps();
    clockTime = now;
}

void FrameState::countFps() {
    fpsTimeMs += frameTime;
    fpsFrames += 1;
    if (fpsTimeMs > 1000) {
        float fps = fpsFrames / (fpsTimeMs / 1000);
        fpsText = "FPS: " + toString(fps);
        fpsFrames = 0;
        fpsTimeMs = 0;
    }
}

bool FrameState::takeSpawn() {
    if (static_cast<double>(clockTime) <= static_cast<double>(spawnTicks) + spawnIntervalMs) {
        return false;
    }
    spawnTicks = clockTime;
    return true;
}

point FrameState::cursorInWorld(point centre) const {
    ViewRect view = camera.viewRect(centre);
    return mouseToGame(cursor, view.left, view.right, view.bottom, view.top);
}

namespace {
float clampPercent(float v) {
    if (v < 0) {
        return 0;
    }
    if (v > 100) {
        return 100;
    }
    return v;
}
}  // namespace

void FrameState::moveCursor(int dx, int dy) {
    cursor.x = clampPercent(cursor.x + dx * cursorSensitivity);
    // Screen y grows downward, the view's y upward.
    cursor.y = clampPercent(cursor.y - dy * cursorSensitivity);
}

void FrameState::steerCursor(float right, float up) {
    const float percentPerMs = 0.1f;
    float pace = percentPerMs * frameTime * cursorSensitivity / standardCursorSensitivity;
    cursor.x = clampPercent(cursor.x + right * pace);
    cursor.y = clampPercent(cursor.y + up * pace);
}
