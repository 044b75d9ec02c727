#pragma once

#include <string>
#include <vector>

// One particle-effect definition: sections of rows of floats.
using EmitterRow = std::vector<float>;
using EmitterSection = std::vector<EmitterRow>;
using EmitterDefinition = std::vector<EmitterSection>;
using EmitterTable = std::vector<EmitterDefinition>;

// Every emitterShadeN.txt, read and expanded first thing at start-up.
extern EmitterTable emitters;

EmitterTable readAndExpandEmitterData();
// emitterShadeN.txt for N = `number`.
std::string emitterFileName(int number);
EmitterTable readEmitterData();
EmitterSection expandMatrix(const EmitterSection& section);

// Shader selectors (section 0, row 11) of the two kinds of effect.
const float flameSelector = 0;
const float swirlSelector = 1;

// The line that says why effect `index` is missing, or "" when it was read.
std::string missingEffect(size_t index);
// A copy of entry `index` when it exists and draws with `selector`; otherwise
// an empty definition, whose emitter draws nothing.
EmitterDefinition effectDefinition(size_t index, float selector);
