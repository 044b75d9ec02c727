#include "world/WorldSetup.h"
bool initializeStars(Universe&) { return true; }
