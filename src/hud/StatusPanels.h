#pragma once

class Campaign;
class Font;
class HudState;
class Player;

// The HUD's panels, on the layout: the hull at the bottom left, the weapons
// at the bottom right, the objective and the score at the top.

// A bar with the hit points left and their number; a destroyed ship shows
// when a new one comes, a shielded one says so.
void drawHullPanel(Font& font, const Player& player, float fullHealth, const HudState& hud, const Campaign* campaign,
                   int now);
// The three weapons by their keys, the selected one lit, with its name and
// whether it is ready to fire.
void drawWeaponPanel(Font& font, const Player& player, int now);
void drawObjective(Font& font, const Campaign& campaign);

// How far up the status lines move so the hull panel stays clear of them.
const float statusLinesRaise = 96;
