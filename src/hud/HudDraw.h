#pragma once

#include <string>

#include "core/Box.h"
#include "ui/Text.h"

class HudCanvas;

// A colour with its opacity multiplied by `share`.
Colour faded(Colour colour, float share);
// "850", "8.4k", "12k": a distance in game units, short.
std::string distanceText(float units);
// A dark pane under text over the world, a little larger than its glyphs,
// so that it reads over a bright body; `share` fades it with the text.
void drawBacking(HudCanvas& canvas, const Box& text, float share = 1);
