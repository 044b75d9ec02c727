#pragma once

class Player;
class Universe;
class WorldState;

// One frame of the current world: every pass in the order the game runs
// them. Each object is drawn as it is stepped (shots and enemy bodies wait
// for the end of their pass, to be drawn together), so this is also the
// drawing order: what adds light first, then the bodies over it.
void stepWorld(Universe& universe, Player& player, int frameTime, int clockTime);

// The passes over the current world.
void processProjectiles(WorldState& world, Player* player, int frameTime, int clockTime);
void processStars(WorldState& world, Player* player, int frameTime);
void processShips(WorldState& world, Player* player, int frameTime);
void processWormholes(Universe& universe, int clockTime);
