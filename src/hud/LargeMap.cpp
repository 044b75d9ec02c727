#include "hud/LargeMap.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "assets/Font.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/ChartView.h"
#include "hud/HudArt.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "hud/Labels.h"
#include "hud/WorldChart.h"
#include "world/Universe.h"

namespace {
const Colour backdrop{0, 0.01f, 0.035f};
const Colour edgeColour{0.4f, 0.6f, 0.8f, 0.6f};
const Box chartFrame{40, 680, 170, 810};
const Box graphFrame{720, 1240, 170, 810};
const float chartSymbol = 12;
const float chartLabelScale = 13;
const float nodeRadius = 20;
const Colour clearedColour{0.45f, 0.95f, 0.55f};
const Colour hereColour = colours::highlight;
const Colour openColour = colours::calm;
const Colour closedColour = colours::dim;

enum class WorldStatus { cleared, here, open, closed };

struct Node {
    int world;
    int layer;
    point at{0, 0};
    // Where its column ends: its name may run up to here.
    float right = 0;
};

struct Link {
    int from;
    int to;
    bool open;
};

bool validWorld(const Universe& universe, int world) {
    return world >= 0 && static_cast<size_t>(world) < universe.worlds.size();
}

// Each pair of worlds a wormhole joins, once, open when a wormhole of the
// pair lets the ship through.
std::vector<Link> worldLinks(const Universe& universe, const HudView& view) {
    std::vector<Link> links;
    for (const WorldState& world : universe.worlds) {
        for (const Wormhole& wormhole : world.wormholes) {
            if (!validWorld(universe, wormhole.destinationWorld)) continue;
            int a = std::min(wormhole.sourceWorld, wormhole.destinationWorld);
            int b = std::max(wormhole.sourceWorld, wormhole.destinationWorld);
            bool open = view.wormholeOpen(wormhole);
            auto same = std::find_if(links.begin(), links.end(), [&](const Link& l) { return l.from == a && l.to == b; });
            if (same == links.end()) {
                links.push_back(Link{a, b, open});
            } else {
                same->open = same->open || open;
            }
        }
    }
    return links;
}

// Worlds from `start` in steps through wormholes (only open ones when
// `openOnly`), each with its number of steps; -1 where none lead.
std::vector<int> stepsFrom(const Universe& universe, const HudView& view, int start, bool openOnly) {
    std::vector<int> steps(universe.worlds.size(), -1);
    if (!validWorld(universe, start)) return steps;
    std::deque<int> queue{start};
    steps[static_cast<size_t>(start)] = 0;
    while (!queue.empty()) {
        int world = queue.front();
        queue.pop_front();
        for (const Wormhole& wormhole : universe.worlds[static_cast<size_t>(world)].wormholes) {
            int next = wormhole.destinationWorld;
            if (!validWorld(universe, next) || steps[static_cast<size_t>(next)] >= 0) continue;
            if (openOnly && !view.wormholeOpen(wormhole)) continue;
            steps[static_cast<size_t>(next)] = steps[static_cast<size_t>(world)] + 1;
            queue.push_back(next);
        }
    }
    return steps;
}

// A row for each number of steps from the start world, the worlds no
// wormhole reaches in a last row; each row spread across the frame.
std::vector<Node> layOutWorlds(const Universe& universe, const HudView& view) {
    int here = universe.player->getWorld();
    int start = view.startWorld;
    std::vector<int> steps = stepsFrom(universe, view, start, false);
    std::vector<Node> nodes;
    int rows = 0;
    for (size_t world = 0; world < universe.worlds.size(); ++world) {
        const WorldState& state = universe.worlds[world];
        if (state.stars.empty() && state.wormholes.empty() && !view.named(static_cast<int>(world)) && static_cast<int>(world) != here) continue;
        nodes.push_back(Node{static_cast<int>(world), steps[world]});
        rows = std::max(rows, steps[world] + 1);
    }
    for (Node& node : nodes) {
        if (node.layer < 0) node.layer = rows;
    }
    bool unreached = std::any_of(nodes.begin(), nodes.end(), [&](const Node& node) { return node.layer == rows; });
    rows += unreached ? 1 : 0;
    float rowHeight = (graphFrame.top - graphFrame.bottom - 40) / std::max(rows, 1);
    for (int row = 0; row < rows; ++row) {
        std::vector<Node*> inRow;
        for (Node& node : nodes) {
            if (node.layer == row) inRow.push_back(&node);
        }
        float columnWidth = (graphFrame.right - graphFrame.left) / std::max<size_t>(inRow.size(), 1);
        // Each node a little left of its column's middle, its name to its right.
        for (size_t i = 0; i < inRow.size(); ++i) {
            float columnLeft = graphFrame.left + columnWidth * i;
            inRow[i]->at = point{columnLeft + columnWidth * 0.35f, graphFrame.top - 40 - rowHeight * (row + 0.5f)};
            inRow[i]->right = columnLeft + columnWidth - 8;
        }
    }
    return nodes;
}

WorldStatus statusOf(int world, const Universe& universe, const HudView& view, const std::vector<int>& reach) {
    if (view.cleared(world)) return WorldStatus::cleared;
    if (world == universe.player->getWorld()) return WorldStatus::here;
    return reach[static_cast<size_t>(world)] >= 0 ? WorldStatus::open : WorldStatus::closed;
}

Colour statusColour(WorldStatus status) {
    switch (status) {
        case WorldStatus::cleared: return clearedColour;
        case WorldStatus::here: return hereColour;
        case WorldStatus::open: return openColour;
        case WorldStatus::closed: return closedColour;
    }
    return closedColour;
}

std::string statusText(WorldStatus status, const HudView& view) {
    switch (status) {
        case WorldStatus::cleared: return "cleared";
        case WorldStatus::here: return view.worlds.empty() ? "" : "not cleared yet";
        case WorldStatus::open: return "open";
        case WorldStatus::closed: return "closed";
    }
    return "";
}

const Node* nodeOf(const std::vector<Node>& nodes, int world) {
    for (const Node& node : nodes) {
        if (node.world == world) return &node;
    }
    return nullptr;
}

// A point `by` pixels from `from` toward `to`.
point toward(point from, point to, float by) {
    float dx = to.x - from.x;
    float dy = to.y - from.y;
    float length = std::max(1.0f, std::sqrt(dx * dx + dy * dy));
    return point{from.x + dx / length * by, from.y + dy / length * by};
}

void drawWorldGraph(const Universe& universe, const HudView& view, HudCanvas& canvas) {
    canvas.outline(graphFrame.left, graphFrame.bottom, graphFrame.right - graphFrame.left,
                graphFrame.top - graphFrame.bottom, edgeColour);
    canvas.text("Worlds and their wormholes", (graphFrame.left + graphFrame.right) / 2, graphFrame.top - 30, 16,
             colours::white, Align::centre);
    std::vector<Node> nodes = layOutWorlds(universe, view);
    for (const Link& link : worldLinks(universe, view)) {
        const Node* a = nodeOf(nodes, link.from);
        const Node* b = nodeOf(nodes, link.to);
        if (!a || !b || a == b) continue;
        canvas.line(toward(a->at, b->at, nodeRadius + 4), toward(b->at, a->at, nodeRadius + 4),
                 link.open ? labelColours::openWormhole : labelColours::closedWormhole, !link.open);
    }
    int here = universe.player->getWorld();
    std::vector<int> reach = stepsFrom(universe, view, here, true);
    for (const Node& node : nodes) {
        WorldStatus status = statusOf(node.world, universe, view, reach);
        Colour colour = statusColour(status);
        canvas.circle(node.at, nodeRadius, colour);
        canvas.icon(hudImage(HudImage::mapStar), node.at, nodeRadius * 0.6f, 0, faded(colour, 0.8f));
        if (node.world == here) {
            canvas.circle(node.at, nodeRadius + 4, hereColour);
            canvas.icon(hudImage(HudImage::mapPlayer), point{node.at.x - nodeRadius - 22, node.at.y}, 12, 0, colours::white);
        }
        std::string name = view.worldName(universe, node.world);
        float textX = node.at.x + nodeRadius + 10;
        float room = std::max(40.0f, node.right - textX);
        canvas.text(name, textX, node.at.y, canvas.fitting(name, 15, room), colours::white);
        std::string words = node.world == here ? "you are here" : "";
        std::string state = statusText(status, view);
        if (!state.empty()) words += (words.empty() ? "" : ", ") + state;
        canvas.text(words, textX, node.at.y - 18, canvas.fitting(words, 12, room), colour);
    }
}

void drawChart(const Universe& universe, const HudView& view, HudCanvas& canvas) {
    const Player& player = *universe.player;
    const WorldState& world = universe.currentWorld();
    float size = chartFrame.right - chartFrame.left;
    canvas.outline(chartFrame.left, chartFrame.bottom, size, size, edgeColour);
    float inset = 2 * chartSymbol;
    Box inner{chartFrame.left + inset, chartFrame.right - inset, chartFrame.bottom + inset, chartFrame.top - inset};
    ChartView chart(chartExtent(world, player.position), inner);
    drawWorldChart(canvas, chart, world, player, view, chartSymbol);
    std::vector<LabelTarget> targets =
        chartLabels(chart, namedBodies(universe, view), chartSymbol, canvas, chartLabelScale);
    drawLabels(placeLabels(targets, chartFrame, chartLabelScale), canvas, chartLabelScale);
}

// One symbol and its meaning, from `x`; returns where the next may start.
float legendItem(HudCanvas& canvas, float x, HudImage image, Colour colour, const std::string& text) {
    const float y = 120;
    canvas.icon(hudImage(image), point{x + 9, y + 5}, 9, 0, colour);
    canvas.text(text, x + 24, y, 13, colours::grey);
    return x + 24 + canvas.textWidth(text, 13) + 26;
}

void drawLegend(HudCanvas& canvas) {
    float x = 60;
    x = legendItem(canvas, x, HudImage::mapPlayer, colours::white, "You");
    x = legendItem(canvas, x, HudImage::mapStar, labelColours::star, "Star");
    x = legendItem(canvas, x, HudImage::mapPlanet, labelColours::planet, "Planet");
    x = legendItem(canvas, x, HudImage::mapPlanet, labelColours::respawn, "New ships start here");
    x = legendItem(canvas, x, HudImage::mapWormhole, labelColours::openWormhole, "Open wormhole");
    x = legendItem(canvas, x, HudImage::mapWormhole, labelColours::closedWormhole, "Closed wormhole");
    canvas.dot(point{x + 9, 125}, 5, labelColours::enemy);
    canvas.text("Enemy", x + 24, 120, 13, colours::grey);
}
}  // namespace

void drawLargeMap(const Universe& universe, const HudView& view, HudCanvas& canvas) {
    // Clearing the picture costs next to nothing where covering it would cost much.
    GLint picture[4];
    glGetIntegerv(GL_VIEWPORT, picture);
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(picture[0], picture[1], picture[2], picture[3]);
    glClearColor(backdrop.r, backdrop.g, backdrop.b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glPopAttrib();
    std::string title = "Map of " + view.worldName(universe, universe.player->getWorld());
    canvas.text(title, w / 2.0f, h - 150, canvas.fitting(title, 28, w - 80), colours::white, Align::centre);
    drawChart(universe, view, canvas);
    drawWorldGraph(universe, view, canvas);
    drawLegend(canvas);
    canvas.text("Tab closes the map", w / 2.0f, h - 190.0f, 14, colours::dim, Align::centre);
}
