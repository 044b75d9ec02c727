#include "world/Universe.h"
#include "combat/Player.h"
WorldState& Universe::operator[](int world) { return worlds[world]; }
WorldState& Universe::currentWorld() { return worlds[player->getWorld()]; }
