#include "combat/TShockwave.h"
TShockwave::TShockwave(int m, int c, int d, point p) : maxRadius(m), created(c), duration(d), position(p), spin(0), lastHitTime(c) {}
void TShockwave::execute(int, WorldState&) {}
