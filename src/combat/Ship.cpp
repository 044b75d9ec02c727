#include "combat/Ship.h"
Ship::Ship(point p, int) : position(p), theta(0), ai(0), velocity{0, 0}, thrust(0), topSpeed(0), health(1), ramDamage(0), trail(40, p, 20, 10.0f, 1.0f, 0.0f, 0.0f) {}
bool Ship::update(int, WorldState&, Player*) { return true; }
bool Ship::takeDamage(float a) { health -= a; return health > 0; }
void Ship::addVelocity(point v) { velocity.x += v.x; velocity.y += v.y; }
float Ship::getTheta() const { return theta; }
void Ship::calcTheta() {}
