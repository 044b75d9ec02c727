#pragma once

#include <vector>

// One particle-effect definition: sections of rows of floats.
using EmitterRow = std::vector<float>;
using EmitterSection = std::vector<EmitterRow>;
using EmitterDefinition = std::vector<EmitterSection>;
using EmitterTable = std::vector<EmitterDefinition>;

// Every emitterShadeN.txt, read and expanded before main() runs.
extern EmitterTable emitters;

EmitterTable readAndExpandEmitterData();
EmitterTable readEmitterData();
EmitterSection expandMatrix(const EmitterSection& section);
