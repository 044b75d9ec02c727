#include "hud/CornerMap.h"

#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/ChartView.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "hud/WorldChart.h"
#include "world/Universe.h"

namespace {
const float size = 200;
const float margin = 8;
const float symbol = 7;
// Nearly opaque: trails and shots passing under it would cross its symbols.
const Colour backColour{0, 0.03f, 0.08f, 0.92f};
const Colour edgeColour{0.4f, 0.6f, 0.8f, 0.6f};
}  // namespace

void drawCornerMap(const Universe& universe, const HudView& view, HudCanvas& canvas) {
    const Player& player = *universe.player;
    const WorldState& world = universe.currentWorld();
    Box frame{w - margin - size, w - margin, h - margin - size, h - margin};
    canvas.panel(frame.left, frame.bottom, size, size, backColour);
    canvas.outline(frame.left, frame.bottom, size, size, edgeColour);
    Box inner{frame.left + symbol, frame.right - symbol, frame.bottom + symbol, frame.top - symbol};
    drawWorldChart(canvas, ChartView(chartExtent(world, player.position), inner), world, player, view, symbol);
    std::string name = view.worldName(universe, player.getWorld());
    canvas.text(name, (frame.left + frame.right) / 2, frame.bottom - 24, canvas.fitting(name, 16, size + 20),
             colours::calm, Align::centre);
}
