#include "hud/HudDraw.h"

#include <cmath>
#include <cstdio>

#include "hud/HudCanvas.h"

namespace {
const Colour backingColour{0, 0.02f, 0.06f, 0.55f};
const float backingMargin = 4;
}  // namespace

Colour faded(Colour colour, float share) { return Colour{colour.r, colour.g, colour.b, colour.a * share}; }

std::string distanceText(float units) {
    char text[32];
    if (units < 1000) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(std::lround(units / 10) * 10));
    } else if (units < 9950) {
        std::snprintf(text, sizeof text, "%.1fk", units / 1000);
    } else {
        std::snprintf(text, sizeof text, "%.0fk", units / 1000);
    }
    return text;
}

void drawBacking(HudCanvas& canvas, const Box& text, float share) {
    Box pane = text.grown(backingMargin);
    canvas.panel(pane.left, pane.bottom, pane.right - pane.left, pane.top - pane.bottom, faded(backingColour, share));
}
