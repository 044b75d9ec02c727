#include "assets/EmitterData.h"
EmitterTable readAndExpandEmitterData() { return {}; }
EmitterTable readEmitterData() { return {}; }
EmitterSection expandMatrix(const EmitterSection& section) { return section; }
