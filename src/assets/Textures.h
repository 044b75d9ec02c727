#pragma once

#include <GL/glew.h>

const int textureCount = 21;

// Texture names by fixed slot; 0 where the image failed to load.
extern GLuint textures[textureCount];

void loadTextures();
// Prints a line for the first pending OpenGL error, if any.
void reportError();
