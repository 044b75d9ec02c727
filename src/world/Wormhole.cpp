#include "world/Wormhole.h"

#include <GL/glew.h>

#include <cmath>

#include "assets/EmitterData.h"
#include "combat/Player.h"
#include "core/Geometry.h"
#include "sound/Sound.h"
#include "world/Universe.h"

namespace {
// Uniform slot of the swirl program that takes the wormhole's radius.
const int radiusSlot = 2;
// The swirl stays inside its capture circle; past twice that, and this much
// more, it is surely out of sight.
const float swirlMargin = 100;
const int ringSegments = 48;

// A closed wormhole's barrier: a red ring on its capture circle, broken into
// dashes so it reads as a barrier and not a planet's rim.
void drawBarrier(point centre, float radius) {
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    glLineWidth(3);
    glColor4f(1, 0.25f, 0.2f, 0.8f);
    glBegin(GL_LINES);
    for (int i = 0; i < ringSegments; ++i) {
        float a = 2 * 3.14159265f * i / ringSegments;
        float b = 2 * 3.14159265f * (i + 0.6f) / ringSegments;
        glVertex2f(centre.x + radius * std::cos(a), centre.y + radius * std::sin(a));
        glVertex2f(centre.x + radius * std::cos(b), centre.y + radius * std::sin(b));
    }
    glEnd();
    glPopAttrib();
}
}  // namespace

Wormhole::Wormhole(int sourceWorld, point position, float captureRadius, int destinationWorld,
                   point exitPoint, int effectIndex)
    : sourceWorld(sourceWorld),
      position(position),
      captureRadius(captureRadius),
      destinationWorld(destinationWorld),
      exitPoint(exitPoint),
      effect(effectDefinition(static_cast<size_t>(effectIndex), swirlSelector)) {
    effect.reach = 2 * captureRadius + swirlMargin;
}

// The effect is advanced by the whole clock time: the world step puts its
// clock back afterwards, so every frame it is drawn at the clock time itself.
void Wormhole::update(Universe& universe, int& clockTime) {
    if (open) {
        stillClock = clockTime;
    }
    effect.updateValue(captureRadius, radiusSlot);
    effect.update(stillClock, position, 0.0f, true);
    if (!open) {
        drawBarrier(position, captureRadius);
    }

    Player& player = *universe.player;
    if (!open || pointDistance(player.position, position) > captureRadius) {
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
    playSound(SoundEffect::wormholeJump);
    universe[sourceWorld].projectiles.clear();
}
