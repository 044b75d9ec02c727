#include "combat/TimerBase.h"

#include "core/SpriteBatch.h"

void TimerBase::executeBatched(int now, WorldState& world, SpriteBatch& sprites) {
    sprites.flush();
    execute(now, world);
}
