#include "assets/Emitter.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "assets/Shaders.h"
#include "assets/Textures.h"
#include "core/VisibleArea.h"

namespace {

// Uniform names by selector, in slot order; the sampler is set once here.
struct ProgramLayout {
    const char* names[3];
    int samplerSlot;
};
const ProgramLayout layouts[] = {
    {{"time_0_X", "particleHCthrust", "Flame"}, 2},
    {{"time_0_X", "Flame", "particleSystemHeight"}, 1},
};
const int layoutCount = sizeof(layouts) / sizeof(layouts[0]);

bool hasValue(const EmitterDefinition& definition, size_t row) {
    return !definition.empty() && definition[0].size() > row && !definition[0][row].empty();
}

// The program index the definition selects, or -1 when the definition is
// empty or malformed, the selector is unknown, or that program was not built
// (or failed to).
int programIndexOf(const EmitterDefinition& definition) {
    if (!hasValue(definition, 0) || !hasValue(definition, 11)) {
        return -1;
    }
    float selector = definition[0][11][0];
    int index = static_cast<int>(selector);
    if (index < 0 || index >= layoutCount || static_cast<float>(index) != selector ||
        !programReady(static_cast<size_t>(index))) {
        return -1;
    }
    return index;
}

// Particle i of n is the square from (-1, -1) to (1, 1) at z = i / n.
std::vector<float> particleCorners(int count) {
    const float square[4][2] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    std::vector<float> corners;
    corners.reserve(static_cast<size_t>(std::max(count, 0)) * 12);
    for (int i = 0; i < count; ++i) {
        float z = static_cast<float>(i) / count;
        for (const auto& corner : square) {
            corners.insert(corners.end(), {corner[0], corner[1], z});
        }
    }
    return corners;
}

}  // namespace

Emitter::Emitter(EmitterDefinition d)
    : angle(0), definition(std::move(d)), elapsedTime(0) {
    std::cout << "Emitter construct" << std::endl;
    position = point{0, 0};
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    reportError();
    std::cout << "shader size: " << shaders.size() << std::endl;
    linkUniforms();
    // Only a usable definition has a particle count to read.
    if (!uniformLocations.empty()) {
        corners = particleCorners(static_cast<int>(definition[0][0][0]));
    }
}

void Emitter::linkUniforms() {
    uniformLocations.clear();
    int index = programIndexOf(definition);
    if (index < 0) {
        return;
    }
    const ProgramLayout& layout = layouts[index];
    GLuint program = shaders[index];
    glUseProgram(program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, textures[flameTexture]);
    for (const char* name : layout.names) {
        uniformLocations.push_back(glGetUniformLocation(program, name));
    }
    glUniform1i(uniformLocations[layout.samplerSlot], 0);
    reportError();
    glUseProgram(0);
}

void Emitter::updateValue(const float& value, const int& index) {
    int program = programIndexOf(definition);
    if (program < 0 || index < 0 || static_cast<size_t>(index) >= uniformLocations.size()) {
        return;
    }
    glUseProgram(shaders[program]);
    glUniform1f(uniformLocations[index], value);
    glUseProgram(0);
}

void Emitter::update(int dt, point p, float a, bool flag) {
    position = p;
    angle = a;
    update(dt, flag);
}

void Emitter::update(int dt, bool) {
    elapsedTime += static_cast<std::uint32_t>(dt);
    int program = programIndexOf(definition);
    if (program < 0 || uniformLocations.empty() || !visibleArea.shows(position, reach)) {
        return;
    }
    reportError();
    glUseProgram(shaders[program]);
    glBindTexture(GL_TEXTURE_2D, textures[flameTexture]);
    glUniform1f(uniformLocations[0], elapsedTime / 1000.0f);

    glPushMatrix();
    glTranslatef(position.x, position.y, 0);
    glRotatef(angle, 0, 0, 1);
    glTranslatef(0, 20, 0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    reportError();
    glUseProgram(0);
}
