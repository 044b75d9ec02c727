#pragma once

class HudCanvas;
struct HudView;
class Universe;

// The large map (Tab), over the running game: the ship's world with every
// body named, and beside it the worlds and their wormhole links, which are
// cleared, open or closed, and where the ship is.
void drawLargeMap(const Universe& universe, const HudView& view, HudCanvas& canvas);
