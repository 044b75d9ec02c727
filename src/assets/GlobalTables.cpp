// The global tables, defined in one place; start-up fills them.
#include <GL/glew.h>

#include <vector>

#include "assets/EmitterData.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"

NumberTable WEAPONDATA;
NumberTable SHIPDATA;
std::vector<GLuint> shaders;
EmitterTable emitters;
