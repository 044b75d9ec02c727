#include "combat/TExplosion.h"

#include "assets/Textures.h"
#include "core/SpriteBatch.h"
#include "core/VisibleArea.h"

TExplosion::TExplosion(int createdAt, int lifetime, point centre)
    : created(createdAt), duration(lifetime), position(centre), size(50.0f) {}

void TExplosion::execute(int now, WorldState& world) {
    SpriteBatch sprites;
    executeBatched(now, world, sprites);
    sprites.flush();
}

void TExplosion::executeBatched(int now, WorldState&, SpriteBatch& sprites) {
    // Whole degrees on purpose: the layers turn in integer steps.
    int forwardTurn = ((now - created) * 360) / 1000;
    int backwardTurn = ((created - now) * 360) / 2000;
    float halfSize = size * (created + duration - now) / duration;
    // Two squares of that half-size, turned any way.
    if (!visibleArea.showsSquare(position, halfSize)) {
        return;
    }
    SpriteTint tint = ownColours ? SpriteTint::own : SpriteTint::current;
    GLuint texture = textures[explosionTexture];
    sprites.add(texture, position, halfSize, static_cast<float>(forwardTurn), tint);
    sprites.add(texture, position, halfSize, static_cast<float>(backwardTurn), tint);
}
