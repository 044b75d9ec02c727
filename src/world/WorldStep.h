#pragma once

class Player;
class Universe;
class WorldState;

// The per-frame passes over the current world; each object draws itself as it
// is stepped, so this order is also the drawing order.
void processProjectiles(WorldState& world, int frameTime, int clockTime);
void processStars(WorldState& world, Player* player, int frameTime);
void processShips(WorldState& world, Player* player, int frameTime);
void processWormholes(Universe& universe, int clockTime);
