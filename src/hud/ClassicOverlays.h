#pragma once

#include <string>

#include "core/Box.h"
#include "core/point.h"

class Font;
class Player;
class WorldState;

// The classic picture's furniture around the world: dust, boundary, cursor,
// the radar (top-left), the map (top-right) and the status lines.
void drawBackground();
void drawBoundary();
void drawMouse(point p);
void drawRadarBlip(point p, int slot, float half);
void topLeftUI(WorldState& world, Player* player);
void topRightUI(WorldState& world, Player* player);
// Each on its own corner's projection.
void drawRadar(WorldState& world, Player& player);
void drawClassicMap(WorldState& world, Player& player);
// Where the status lines stand, raised by `raise`.
Box statusLinesBox(float raise);
// The status lines at the bottom left, `raise` pixels higher.
void drawStatusLines(Font& font, const std::string& fpsText, const WorldState& world, const Player& player,
                     float raise = 0);
