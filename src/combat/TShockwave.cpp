#include "combat/TShockwave.h"

#include <GL/glew.h>

#include <cstdlib>

#include "assets/Textures.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/Geometry.h"
#include "core/VisibleArea.h"
#include "world/WorldState.h"

TShockwave::TShockwave(int radiusScale, int createdAt, int lifetime, point centre)
    : maxRadius(radiusScale),
      created(createdAt),
      duration(lifetime),
      position(centre),
      spin(std::rand() % 360),
      lastHitTime(createdAt) {}

void TShockwave::drawRing(float radius) const {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glPushMatrix();
    glRotatef(static_cast<float>(spin), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[blastTexture]);
    drawSquare(radius);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void TShockwave::execute(int now, WorldState& world) {
    float radius = static_cast<float>(static_cast<double>(maxRadius * (now - created)) / duration * 1.56);
    // Not restored: later drawing this frame that sets no colour shares the
    // tint, whether or not the ring itself is in view. The campaign's ring
    // is the player's own colour.
    if (world.hitFeedback) {
        glColor4f(0.2f, 0.8f, 1.0f, 0.3f);
    } else {
        glColor4f(1.0f, 0.0f, 0.0f, 0.3f);
    }
    if (visibleArea.showsSquare(position, radius)) {
        drawRing(radius);
    }

    // Damage per elapsed millisecond, so the frame rate does not matter.
    int elapsed = now - lastHitTime;
    lastHitTime = now;
    int reach = pixelToGame(radius);
    float damage = weaponStat(2, DAMAGE) * elapsed;
    for (Ship& ship : world.ships) {
        if (pointDistance(position, ship.position) < reach) {
            ship.takeDamage(damage, position, world);
            if (pullPerMs > 0) pullIn(ship, pullPerMs * static_cast<float>(elapsed));
        }
    }
}

// Never past the centre.
void TShockwave::pullIn(Ship& ship, float step) const {
    float distance = pointDistance(position, ship.position);
    float share = distance > step ? step / distance : 1;
    ship.position.x += (position.x - ship.position.x) * share;
    ship.position.y += (position.y - ship.position.y) * share;
}
