#pragma once

#include <string>

#include "ui/Text.h"

// A colour with its opacity multiplied by `share`.
Colour faded(Colour colour, float share);
// "850", "8.4k", "12k": a distance in game units, short.
std::string distanceText(float units);
