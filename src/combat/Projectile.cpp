#include "combat/Projectile.h"
Projectile::Projectile(point s, float, float, float, WorldState&, int wpn, bool b, int l, float, float)
    : weapon(wpn), theta(0), bounces(b), position(s), lifetime(l), velocity{0, 0}, damage(0) {}
void Projectile::calcTheta() {}
void Projectile::addVelocity(point v) { velocity.x += v.x; velocity.y += v.y; }
bool Projectile::update(int, WorldState&, int) { return true; }
bool Projectile::handleCollision(point p, WorldState& w, int n) { return handleCollision(p, w, n, 50); }
bool Projectile::handleCollision(point, WorldState&, int, int) { return false; }
