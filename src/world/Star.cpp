#include "world/Star.h"
Star::Star(point p, float r, float d, float s, int t, std::string n) : position(p), radius(r), density(d), spare(s), texture(t), name(n) {}
std::string Star::getName() const { return name; }
void Star::addPlanet(Planet planet) { planets.push_back(planet); }
void Star::update(WorldState&, Player*, int) {}
void Star::draw() {}
float Star::getRadius() const { return radius; }
int Star::getTexture() const { return texture; }
