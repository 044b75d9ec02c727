#pragma once

class HudCanvas;
struct HudView;
class Universe;

// The map at the top right, in place of the classic one: the ship's world
// with its stars, planets, wormholes and enemies, and its name under it.
void drawCornerMap(const Universe& universe, const HudView& view, HudCanvas& canvas);
