#pragma once

#include "core/point.h"

class Font;
class FrameState;
class Universe;

// One whole frame: clock, spawning, input, the world step with its drawing,
// the overlays, and the buffer swap.
void runFrame(FrameState& state, Universe& universe, Font& font);
// All of a frame but the buffer swap: the picture is left in the back buffer.
void drawFrame(FrameState& state, Universe& universe, Font& font);
// Shows the back buffer (saving it first when a screenshot is wanted), then
// switches the window mode when asked.
void presentFrame(FrameState& state, Universe& universe, Font& font);
// Puts one enemy into the player's world, at least 20000 units from the player.
void spawnEnemy(Universe& universe);
// Perspective camera centred on `centre` (the player's position in the game).
void setCamera(const FrameState& state, point centre);
// What is drawn over the world, with alpha blending: the status lines, the
// radar, the classic map or the HUD, and the rest of the HUD's overlays.
void drawOverWorld(FrameState& state, Universe& universe, Font& font, point camera, int now);
// The classic status lines at the bottom left, `raise` pixels higher.
void drawStatusLines(FrameState& state, Universe& universe, Font& font, float raise = 0);
