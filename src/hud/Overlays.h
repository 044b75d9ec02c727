#pragma once

#include "core/point.h"

class Font;
class HudState;
class ScreenMap;
class Universe;
struct HudView;

// The HUD's passes in a running frame, in order, each showing what the
// frame's view turns on. Free flight's view keeps the classic picture unless
// the player turns a piece on (the HUD with its feedback, the labels, the
// markers, the large map); only the answers to keys show regardless.

// With the world camera, after the ship has fired and before the world step
// draws the shots: their glow.
void drawUnderShots(const HudView& view, Universe& universe, int dt);
// After the world step, before the campaign takes the step's losses: the
// kills and hits of the step; the ship's flash, with the world camera still set.
void noteWorldStep(HudState& hud, const HudView& view, Universe& universe, int now);
// Everything over the world, on the layout, for the camera `screen` shows.
void drawOverlays(HudState& hud, const HudView& view, Universe& universe, Font& font, const ScreenMap& screen, int now);
