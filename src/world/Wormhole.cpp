#include "world/Wormhole.h"

#include "assets/EmitterData.h"
#include "combat/Player.h"
#include "core/Geometry.h"
#include "world/Universe.h"

namespace {
// Uniform slot of the swirl program that takes the wormhole's radius.
const int radiusSlot = 2;
}  // namespace

Wormhole::Wormhole(int sourceWorld, point position, float captureRadius, int destinationWorld,
                   point exitPoint, int effectIndex)
    : sourceWorld(sourceWorld),
      position(position),
      captureRadius(captureRadius),
      destinationWorld(destinationWorld),
      exitPoint(exitPoint),
      effect(effectDefinition(static_cast<size_t>(effectIndex), swirlSelector)) {}

// Runs on a copy of the stored wormhole, so the effect starts from elapsed
// time 0 every frame and is drawn at the clock time itself.
void Wormhole::update(Universe& universe, int& clockTime) {
    effect.updateValue(captureRadius, radiusSlot);
    effect.update(clockTime, position, 0.0f, true);

    Player& player = *universe.player;
    if (pointDistance(player.position, position) > captureRadius) {
        return;
    }
    // Holding the player keeps it disarmed until it has spent a whole frame
    // outside every wormhole, so one visit carries it only once.
    player.clearOfWormholes = false;
    if (!player.warpArmed) {
        return;
    }
    player.warpArmed = false;
    player.position = exitPoint;
    player.warpWorld(destinationWorld);
    universe[sourceWorld].projectiles.clear();
}
