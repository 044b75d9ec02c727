#include "combat/Timers.h"

#include "combat/Ship.h"
#include "combat/TExplosion.h"
#include "core/Platform.h"
#include "core/SpriteBatch.h"
#include "sound/Sound.h"
#include "world/WorldState.h"

namespace {
const int largeBlastMs = 2500;
const float largeBlastSize = 300;
}  // namespace

void standardExplosion(point position, WorldState& world, int now) {
    auto explosion = std::make_unique<TExplosion>(now, 1000, position);
    explosion->startTime = 0;
    explosion->endTime = now + 1000;
    world.timers.push_back(std::move(explosion));
    playSound(SoundEffect::explosion, position);
}

void standardExplosion(point position, WorldState& world) {
    standardExplosion(position, world, static_cast<int>(worldTicks()));
}

void shipExplosion(point position, float shipRadius, WorldState& world) {
    standardExplosion(position, world);
    if (world.hitFeedback) {
        auto& explosion = static_cast<TExplosion&>(*world.timers.back());
        explosion.size = shipRadius;
        explosion.ownColours = true;
    }
}

void largeExplosion(point position, WorldState& world, int now) {
    auto blast = std::make_unique<TExplosion>(now, largeBlastMs, position);
    blast->size = largeBlastSize;
    blast->endTime = now + largeBlastMs;
    blast->ownColours = true;
    world.timers.push_back(std::move(blast));
    standardExplosion(position, world, now);
    static_cast<TExplosion&>(*world.timers.back()).ownColours = true;
}

void addTimer(std::unique_ptr<TimerBase> event, WorldState& world) {
    auto& timers = world.timers;
    if (event->startTime == 0) {
        timers.push_front(std::move(event));
        return;
    }
    auto place = timers.begin();
    while (place != timers.end() && (*place)->startTime < event->startTime) {
        ++place;
    }
    timers.insert(place, std::move(event));
}

// Explosions are drawn together, in runs that other effects break.
void runTimer(int now, WorldState& world) {
    SpriteBatch sprites;
    auto& timers = world.timers;
    for (auto it = timers.begin(); it != timers.end();) {
        TimerBase& event = **it;
        if (event.startTime > now) {
            break;
        }
        if (event.endTime != 0 && event.endTime < now) {
            it = timers.erase(it);
            continue;
        }
        if (event.startTime < now) {
            event.executeBatched(now, world, sprites);
        }
        ++it;
    }
    sprites.flush();
}
