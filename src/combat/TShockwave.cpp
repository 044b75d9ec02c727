#include "combat/TShockwave.h"

#include <GL/glew.h>

#include <cstdlib>

#include "assets/Textures.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/Geometry.h"
#include "world/WorldState.h"

namespace {
const int blastSprite = 7;
}

TShockwave::TShockwave(int radiusScale, int createdAt, int lifetime, point centre)
    : maxRadius(radiusScale),
      created(createdAt),
      duration(lifetime),
      position(centre),
      spin(std::rand() % 360),
      lastHitTime(createdAt) {}

void TShockwave::execute(int now, WorldState& world) {
    float radius = static_cast<float>(static_cast<double>(maxRadius * (now - created)) / duration * 1.56);

    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glPushMatrix();
    glRotatef(static_cast<float>(spin), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[blastSprite]);
    // Not restored: later drawing this frame that sets no colour shares the tint.
    glColor4f(1.0f, 0.0f, 0.0f, 0.3f);
    drawSquare(radius);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();

    // Damage per elapsed millisecond, so the frame rate does not matter.
    int elapsed = now - lastHitTime;
    lastHitTime = now;
    int reach = pixelToGame(radius);
    float damage = weaponStat(2, DAMAGE) * elapsed;
    for (Ship& ship : world.ships) {
        if (pointDistance(position, ship.position) < reach) {
            ship.takeDamage(damage);
        }
    }
}
