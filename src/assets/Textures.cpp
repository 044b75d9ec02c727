#include "assets/Textures.h"
GLuint textures[textureCount];
void loadTextures() {}
void reportError() {}
