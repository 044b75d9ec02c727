#include "app/Hud.h"
void drawBackground() {}
void drawBoundary() {}
void drawMouse(point) {}
void drawEnemy(point, float) {}
void drawRadarBlip(point, int, float) {}
void topLeftUI(WorldState&, Player*) {}
void topRightUI(WorldState&, Player*) {}
