#include "combat/Timers.h"
void standardExplosion(point, WorldState&, int) {}
void standardExplosion(point, WorldState&) {}
void addTimer(std::unique_ptr<TimerBase>, WorldState&) {}
void runTimer(int, WorldState&) {}
