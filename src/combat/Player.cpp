#include "combat/Player.h"
#include "assets/EmitterData.h"
Player::Player(point p, float fa, float ra, float tr, float hp, float r)
    : position(p), forwardAccel(fa), reverseAccel(ra), turnRate(tr), health(hp), radius(r), exhaust(EmitterDefinition{}), trail(200, p, 20, 10.0f, 0.0f, 1.0f, 1.0f) {}
int Player::getWorld() const { return world; }
void Player::warpWorld(int wd) { trail.clear(position); world = wd; }
float Player::getRadius() const { return radius; }
void Player::setLanded() { landed = true; launchLock = 300; }
bool Player::isLanded() const { return landed; }
void Player::setVelocity(point v) { velocity = v; }
void Player::addVelocity(point v) { velocity.x += v.x; velocity.y += v.y; }
point Player::getVelocity() const { return velocity; }
void Player::setAngle(float a) { angle = a; }
float Player::getAngle() const { return angle * 57.2958f - 90; }
void Player::takeDamage(float a) { health -= a; }
float Player::getHealth() const { return health; }
void Player::turnCW(int) {}
void Player::turnCCW(int) {}
void Player::forwardThrust(int) {}
void Player::reverseThrust(int) {}
void Player::update(int) {}
void Player::drawTrail(int) {}
void Player::draw() {}
void Player::shoot(unsigned, WorldState&, point, int) {}
