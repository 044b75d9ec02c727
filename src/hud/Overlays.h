#pragma once

#include "core/point.h"

class Font;
class FrameState;
class Universe;

// The HUD's passes in a running frame, in order. In a campaign every piece is
// on; in Free flight the picture stays the classic one unless the player
// turns a piece on (the HUD with its feedback, the labels, the markers, the
// large map), and only the answers to keys show regardless.

// With the world camera, after the ship has fired and before the world step
// draws the shots: their glow (campaign).
void drawUnderShots(const FrameState& state, Universe& universe, int dt);
// After the world step, before the campaign takes the step's losses: the
// kills and hits of the step; the ship's flash, with the world camera still set.
void noteWorldStep(FrameState& state, Universe& universe, int now);
// Everything over the world, on the layout, with the camera's centre.
void drawOverlays(FrameState& state, Universe& universe, Font& font, point camera, int now);
