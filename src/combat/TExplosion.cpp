#include "combat/TExplosion.h"
TExplosion::TExplosion(int c, int d, point p) : created(c), duration(d), position(p), size(50.0f) {}
void TExplosion::execute(int, WorldState&) {}
