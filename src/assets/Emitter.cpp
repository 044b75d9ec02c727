#include "assets/Emitter.h"
Emitter::Emitter(EmitterDefinition d) : angle(0), position{0, 0}, definition(std::move(d)), elapsedTime(0) {}
void Emitter::updateValue(const float&, const int&) {}
void Emitter::update(int dt, point p, float a, bool flag) { position = p; angle = a; update(dt, flag); }
void Emitter::update(int dt, bool) { elapsedTime += dt; }
