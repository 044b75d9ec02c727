#pragma once

#include <GL/glew.h>

#include <cstdint>
#include <limits>
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
    // Advances the effect's clock and draws it, unless it lies wholly out of view.
    void update(int dt, bool flag);

    float angle;
    point position;
    EmitterDefinition definition;
    std::vector<GLint> uniformLocations;
    std::uint32_t elapsedTime;
    // How far from `position` the shader can carry a particle; the effect is
    // not drawn while that circle lies out of view.
    float reach = std::numeric_limits<float>::infinity();
    // The particles' unit quads, the particle's fraction in z, drawn in one go.
    std::vector<float> corners;
};
