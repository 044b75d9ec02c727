#pragma once

#include "core/point.h"
#include "hud/HudView.h"

class FrameState;
class Universe;

// What the HUD shows of this frame: the pieces the player turned on (a
// campaign has them all), and the campaign's worlds, goal, score, messages
// and respawn point; in Free flight those stay empty. `camera` is where the
// frame's camera looks, for the aim.
HudView frameView(const FrameState& state, const Universe& universe, point camera);
