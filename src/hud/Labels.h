#pragma once

#include <string>
#include <vector>

#include "core/Box.h"
#include "core/point.h"
#include "ui/Text.h"

class HudCanvas;
class ScreenLayout;
struct HudView;
class ScreenMap;
class Universe;
class WorldState;
class Wormhole;

// Something that may carry a label: a body on the layout and its name.
struct LabelTarget {
    std::string text;
    point centre;
    float radius;  // in pixels: the label goes below this
    float width;   // of the text
    Colour colour;
};

struct PlacedLabel {
    std::string text;
    point at;  // the left end of its baseline
    Colour colour;
};

const float labelScale = 14;
// A wormhole's swirl reaches this far past its centre, in capture radii.
const float swirlReach = 1.5f;

// Labels for the targets that touch `area`, each centred under its target,
// or over it, or beside it, where below it would cover a `keepOut` box or
// leave the area, and kept inside the area; a body hidden under a `keepOut`
// box gets its label just outside the box. A label with nowhere to go, or that
// would overlap one placed before it, is left out, so the targets come most
// important first.
std::vector<PlacedLabel> placeLabels(const std::vector<LabelTarget>& targets, const Box& area, float scale,
                                     const std::vector<Box>& keepOut = {});
// The HUD's panels and the corners, where labels on the view do not go.
std::vector<Box> labelKeepOut();
enum class BodyKind { wormhole, star, planet };

// A body of the ship's world and what its label says.
struct NamedBody {
    std::string text;
    point where;
    float radius;  // in game units, reaching as far as it shows
    BodyKind kind;
    Colour colour;
    bool respawn = false;  // the planet where the campaign's new ships start
};

// The wormholes (where each leads, open or closed), then the stars, then the
// planets of the ship's world.
std::vector<NamedBody> namedBodies(const Universe& universe, const HudView& view);
// Those of them the camera shows, as label targets.
std::vector<LabelTarget> bodyLabels(const std::vector<NamedBody>& bodies, const ScreenMap& screen, HudCanvas& canvas);
// Over the world (`layout` given) each label takes its box and stands on a dark pane.
void drawLabels(const std::vector<PlacedLabel>& labels, HudCanvas& canvas, float scale, ScreenLayout* layout = nullptr);

// The colours of the bodies' labels and symbols, shared with the maps.
namespace labelColours {
const Colour star{1, 0.85f, 0.55f};
const Colour planet{0.72f, 0.82f, 0.95f};
const Colour respawn{0.5f, 1, 0.6f};
const Colour openWormhole{0.85f, 0.65f, 1};
const Colour closedWormhole{0.6f, 0.6f, 0.66f};
const Colour enemy{1, 0.3f, 0.25f};
}  // namespace labelColours

// "To Castor Drift (open)"
std::string wormholeLabel(const Universe& universe, const HudView& view, const Wormhole& wormhole);
