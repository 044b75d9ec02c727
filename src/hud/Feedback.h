#pragma once

class HudCanvas;
class HudState;
struct HudView;
class Player;
class ScreenLayout;
class ScreenMap;
class WorldState;

// Feedback on the fight: a glow under the player's shots, the points of
// each kill floating up where it died, and a hit on the ship shown by a
// flash on it, a red pulse at the edge of the picture and a sound.

// With the world camera, before the world step moves the shots and draws
// them: a soft glow where each of the player's shots will be drawn.
void drawShotGlow(const WorldState& world, int dt);
// After the world step, before the campaign takes the step's losses.
void noteKills(HudState& hud, const WorldState& world, const HudView& view, int now);
// A growth of the damage the ship has taken (all it ever took) is a hit:
// remembered, and heard. True when this frame brought one.
bool noteHits(HudState& hud, float damageTaken, float fullHealth, int now);
// With the world camera: the ship lit up for a moment after a hit.
void drawShipFlash(const HudState& hud, const Player& player, int now);
// On the layout, where no other text stands. The points are dropped once they have faded.
void drawFloatingPoints(HudState& hud, const ScreenMap& screen, HudCanvas& canvas, ScreenLayout& layout, int now);
void drawHitPulse(const HudState& hud, int now);
