#include "world/PlayerSetup.h"
#include "assets/EmitterData.h"
#include "combat/Player.h"
std::unique_ptr<Player> initializePlayer() { return std::make_unique<Player>(point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40); }
