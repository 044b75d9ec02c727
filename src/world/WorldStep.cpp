#include "world/WorldStep.h"
void processProjectiles(WorldState&, int, int) {}
void processStars(WorldState&, Player*, int) {}
void processShips(WorldState&, Player*, int) {}
void processWormholes(Universe&, int) {}
