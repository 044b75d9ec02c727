#include "world/Planet.h"
Planet::Planet(float r, float d, float orr, float os, float oa, float sr, float sa, int t, std::string n)
    : position{0, 0}, landingAngle(0), radius(r), density(d), orbitRadius(orr), orbitSpeed(os), orbitAngle(oa), spinRate(sr), spinAngle(sa), texture(t), velocity{0, 0}, name(n) {}
std::string Planet::getName() const { return name; }
float Planet::getRadius() const { return radius; }
void Planet::update(WorldState&, Player*, int, point) {}
void Planet::draw() {}
