// The global tables, defined in one place so that static initialisation
// builds them in this order, and the emitter files are read before main().
#include <GL/glew.h>

#include <iostream>  // makes the standard streams usable during this file's initialisation
#include <vector>

#include "assets/EmitterData.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"

NumberTable WEAPONDATA;
NumberTable SHIPDATA;
std::vector<GLuint> shaders;
EmitterTable emitters = readAndExpandEmitterData();
