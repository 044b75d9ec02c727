#include "world/Wormhole.h"
#include "assets/EmitterData.h"
Wormhole::Wormhole(int s, point p, float c, int d, point e, int)
    : sourceWorld(s), position(p), captureRadius(c), destinationWorld(d), exitPoint(e), effect(EmitterDefinition{}) {}
void Wormhole::update(Universe&, int&) {}
