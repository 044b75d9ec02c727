#pragma once

#include "core/point.h"

class Player;
class SpriteBatch;
class WorldState;

// Screen furniture drawn around the world: dust, boundary, cursor, enemy
// sprites, the radar (top-left) and the map (top-right).
void drawBackground();
void drawBoundary();
void drawMouse(point p);
void drawEnemy(point p, float angle);
// The same sprite put into a batch to be drawn with others, if it is in view.
void addEnemy(SpriteBatch& batch, point p, float angle);
void drawRadarBlip(point p, int slot, float half);
void topLeftUI(WorldState& world, Player* player);
void topRightUI(WorldState& world, Player* player);
