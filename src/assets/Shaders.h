#pragma once

#include <GL/glew.h>

#include <memory>
#include <vector>

// Linked programs in file-number order: 0 flame, 1 wormhole swirl, 2 trails.
extern std::vector<GLuint> shaders;

// A program that fails to compile or link is reported and kept as 0.
std::vector<GLuint> readShaders();
// True when program `number` was built and may be used.
bool programReady(size_t number);
// The whole text of a file, null-terminated; nullptr when it cannot be read.
std::unique_ptr<char[]> readEmitter(const char* fileName);
