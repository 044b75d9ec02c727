#pragma once

#include "core/point.h"

class Player;
class WorldState;

// Screen furniture drawn around the world: dust, boundary, cursor, the radar
// (top-left) and the map (top-right).
void drawBackground();
void drawBoundary();
void drawMouse(point p);
void drawRadarBlip(point p, int slot, float half);
void topLeftUI(WorldState& world, Player* player);
void topRightUI(WorldState& world, Player* player);
