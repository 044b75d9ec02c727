#include "world/Planet.h"

#include <GL/glew.h>

#include <cmath>
#include <iostream>
#include <utility>

#include "assets/NamedImages.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "combat/Timers.h"
#include "core/DataFile.h"
#include "core/Draw.h"
#include "core/Geometry.h"
#include "core/VisibleArea.h"
#include "sound/Sound.h"
#include "world/Gravity.h"
#include "world/WorldState.h"

namespace {
const double degreesToRadians = 3.14 / 180;
const double spinToRadians = 0.0174444;
// A landed player this close (in surface distances) is still held.
const double holdFactor = 1.2;
const float crashDamagePerSpeed = 100.0f;
}  // namespace

Planet::Planet(float radius, float density, float orbitRadius, float orbitSpeed, float orbitAngle,
               float spinRate, float spinAngle, int texture, std::string name)
    : position{0, 0},
      landingAngle(0),
      radius(radius),
      density(density),
      orbitRadius(orbitRadius),
      orbitSpeed(static_cast<float>(orbitSpeed * degreesToRadians)),
      orbitAngle(static_cast<float>(orbitAngle * degreesToRadians)),
      spinRate(spinRate),
      spinAngle(spinAngle),
      texture(texture),
      velocity{0, 0},
      name(std::move(name)) {
    std::cout << shortened(this->name) << std::endl;
}

std::string Planet::getName() const { return name; }

float Planet::getRadius() const { return radius; }

void Planet::update(WorldState& world, Player* player, int frameTime, point starPosition) {
    if (frameTime == 0) {
        drawIfVisible();
        return;
    }
    advance(frameTime, starPosition);
    swallowOrPull(world.projectiles, world, position, radius, density, frameTime);
    swallowOrPull(world.ships, world, position, radius, density, frameTime);
    if (player->destroyed) {
        drawIfVisible();
        return;
    }

    float d = pointDistance(position, player->position);
    float surface = player->getRadius() + radius;
    if (player->isLanded()) {
        if (d < holdFactor * surface) {
            carryPlayer(*player, surface, frameTime);
        }
    } else {
        actOnFreePlayer(world, *player, d, surface, frameTime);
    }
    drawIfVisible();
}

void Planet::advance(int frameTime, point starPosition) {
    spinAngle += frameTime * spinRate;
    point old = position;
    orbitAngle += frameTime * orbitSpeed;
    position.x = static_cast<float>(starPosition.x + orbitRadius * std::cos(static_cast<double>(orbitAngle)));
    position.y = static_cast<float>(starPosition.y + orbitRadius * std::sin(static_cast<double>(orbitAngle)));
    velocity = point{(position.x - old.x) / frameTime, (position.y - old.y) / frameTime};
}

// Keeps the player on the surface, turning with the spin and riding the
// orbit; the surface's motion becomes its velocity for the lift-off.
void Planet::carryPlayer(Player& player, float surface, int frameTime) {
    point old = player.position;
    landingAngle = static_cast<float>(landingAngle + spinRate * frameTime * spinToRadians);
    player.position.x = static_cast<float>(position.x + surface * std::cos(static_cast<double>(landingAngle)));
    player.position.y = static_cast<float>(position.y + surface * std::sin(static_cast<double>(landingAngle)));
    player.setAngle(landingAngle);
    player.setVelocity(point{(player.position.x - old.x) / frameTime, (player.position.y - old.y) / frameTime});
}

void Planet::actOnFreePlayer(WorldState& world, Player& player, float d, float surface, int frameTime) {
    if (d > surface) {
        if (d < gravityReach(radius, density)) {
            player.addVelocity(gravityPull(player.position, position, radius, density, frameTime));
        }
        return;
    }
    landingAngle = std::atan2(player.position.y - position.y, player.position.x - position.x);
    float impact = pointDistance(player.getVelocity(), velocity);
    player.gentleTouchDown = impact < crashSpeed;
    if (impact < crashSpeed) {
        player.setLanded();
        playSound(SoundEffect::touchDown);
        return;
    }
    standardExplosion(player.position, world);
    playSound(SoundEffect::crash);
    player.setLanded();
    player.takeDamage(crashDamagePerSpeed * (impact - crashSpeed));
}

// Out of view the planet is not drawn, but the texture mode is left at
// replace all the same, as drawing it leaves it.
void Planet::drawIfVisible() {
    if (visibleArea.showsSquare(position, radius)) {
        draw();
    } else {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    }
}

void Planet::draw() {
    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glRotatef(spinAngle, 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, namedImageOr(look, textures[texture]));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    drawSquare(radius);
    reportError();
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}
