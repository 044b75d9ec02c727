#pragma once

#include <GL/glew.h>

#include <memory>
#include <vector>

// Linked programs in file-number order: 0 flame, 1 wormhole swirl, 2 trails.
extern std::vector<GLuint> shaders;

// The list of programs ends at the first number whose files are missing;
// Free flight says so on stderr, as it always has ("Can't open file
// 'shader3.vs' for reading"). Set false, that normal end is passed over in
// silence, and only a pair with one file missing, or a file that is there
// but cannot be read, is named.
extern bool shaderListEndSaid;

// A program that fails to compile or link is reported and kept as 0.
std::vector<GLuint> readShaders();
// True when program `number` was built and may be used.
bool programReady(size_t number);
// The whole text of a file, null-terminated; nullptr when it cannot be read.
std::unique_ptr<char[]> readEmitter(const char* fileName);
