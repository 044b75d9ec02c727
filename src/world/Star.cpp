#include "world/Star.h"

#include <GL/glew.h>

#include <utility>

#include "assets/NamedImages.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/Timers.h"
#include "core/Draw.h"
#include "core/Geometry.h"
#include "core/VisibleArea.h"
#include "world/Gravity.h"
#include "world/WorldState.h"

Star::Star(point position, float radius, float density, float spare, int texture, std::string name)
    : position(position),
      radius(radius),
      density(density),
      spare(spare),
      texture(texture),
      name(std::move(name)) {}

std::string Star::getName() const { return name; }

void Star::addPlanet(Planet planet) { planets.push_back(std::move(planet)); }

void Star::update(WorldState& world, Player* player, int frameTime) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (size_t i = 0; i < planets.size(); ++i) {
        planets[i].update(world, player, frameTime, position);
    }
    swallowOrPull(world.projectiles, world, position, radius, density, frameTime);
    swallowOrPull(world.ships, world, position, radius, density, frameTime);
    burnAndPullPlayer(world, *player, frameTime);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    if (visibleArea.showsSquare(position, radius)) {
        draw();
    }
}

// The player is never removed: it burns every frame it stays inside, and the
// pull has no inner limit, so it keeps falling toward the centre.
void Star::burnAndPullPlayer(WorldState& world, Player& player, int frameTime) {
    if (player.destroyed) {
        return;
    }
    float d = pointDistance(position, player.position);
    if (d <= radius) {
        standardExplosion(player.position, world);
    }
    if (d < gravityReach(radius, density) && !player.isLanded()) {
        player.addVelocity(gravityPull(player.position, position, radius, density, frameTime));
    }
}

void Star::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glBindTexture(GL_TEXTURE_2D, namedImageOr(look, textures[texture]));
    drawSquare(radius);
    reportError();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

float Star::getRadius() const { return radius; }

int Star::getTexture() const { return texture; }
