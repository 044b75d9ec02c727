#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <vector>

#include "assets/EmitterData.h"
#include "core/point.h"

// A GPU particle effect: a fixed number of unit quads whose z carries the
// particle index; the shader program does the motion.
class Emitter {
public:
    explicit Emitter(EmitterDefinition definition);

    // Finds this emitter's uniforms in its program; again whenever the
    // programs are built anew.
    void linkUniforms();

    // Sets the float uniform in slot `index` of this emitter's program.
    void updateValue(const float& value, const int& index);
    void update(int dt, point position, float angle, bool flag);
    void update(int dt, bool flag);

    float angle;
    point position;
    EmitterDefinition definition;
    std::vector<GLint> uniformLocations;
    std::uint32_t elapsedTime;
};
