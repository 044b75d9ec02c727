#pragma once

#include <GL/glew.h>

#include <memory>
#include <vector>

// Linked programs in file-number order: 0 flame, 1 wormhole swirl, 2 trails.
extern std::vector<GLuint> shaders;

std::vector<GLuint> readShaders();
// The whole text of a file, null-terminated; nullptr when it cannot be read.
std::unique_ptr<char[]> readEmitter(const char* fileName);
