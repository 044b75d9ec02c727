#pragma once

#include "core/Box.h"

class HudCanvas;
class HudState;
class Player;
struct HudView;

// The HUD's panels, on the layout: the hull at the bottom left, the weapons
// at the bottom right, the objective and the score at the top.

// A bar with the hit points left and their number; a destroyed ship shows
// when a new one comes, a shielded one says so.
void drawHullPanel(HudCanvas& canvas, const Player& player, const HudView& view, const HudState& hud, int now);
// The three weapons by their keys, the selected one lit, with its name and
// whether it is ready to fire.
void drawWeaponPanel(HudCanvas& canvas, const Player& player, int now);
// The objective and the score at the top, and under them, while the progress
// is not saved, why; gives the box the lines take.
Box drawObjective(HudCanvas& canvas, const HudView& view);
// The upgrades the ship carries, as small icons in rows over the hull panel.
void drawUpgradeIcons(HudCanvas& canvas, const HudView& view);
Box upgradeIconsBox(const HudView& view);
Box hullPanelBox();
Box weaponPanelBox();

// How far up the status lines move so the hull panel stays clear of them.
const float statusLinesRaise = 96;
