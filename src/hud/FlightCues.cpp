#include "hud/FlightCues.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/FlightView.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/ScreenMap.h"

namespace {
const Colour panelColour{0, 0.02f, 0.06f, 0.6f};
const Colour edgeColour{0.4f, 0.6f, 0.8f, 0.5f};
const Colour gentle{0.35f, 0.9f, 0.45f};
const Colour crash{1, 0.3f, 0.25f};
const Colour markerColour{0.55f, 0.85f, 1, 0.9f};
const float panelWidth = 360;
const float panelHeight = 68;
const float margin = 16;
const float inset = 12;
// Where the velocity mark looks ahead to, ms.
const float lookAheadMs = 1000;
const float markRadius = 7;
// The mark keeps this far inside the picture's edge.
const float markBorder = 40;
// Slower than this, a stop holds the ship still.
const float stillSpeed = 0.01f;
// The bracket round the destination, at the least, pixels.
const float leastBracket = 14;
// The landing cue's words, under the ship.
const float landingTextBelow = 64;

std::string figure(float value) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string pilotState(const FlightView& flight) {
    if (flight.autopilot) return "AUTOPILOT";
    if (flight.stopping) return flight.speed < stillSpeed ? "HOLDING" : "STOPPING";
    return flight.assist ? "ASSIST" : "";
}

void drawFlightPanel(const FlightView& flight, const Player& ship, HudCanvas& canvas) {
    Box box = flightPanelBox();
    float width = box.right - box.left;
    canvas.panel(box.left, box.bottom, width, panelHeight, panelColour);
    canvas.outline(box.left, box.bottom, width, panelHeight, edgeColour);
    float x = box.left + inset;
    float top = box.bottom + panelHeight - 24;
    canvas.text("SPEED", x, top, 14, colours::grey);
    canvas.text(figure(flight.speed), x + canvas.textWidth("SPEED ", 14), top, 16, colours::white);
    canvas.text(pilotState(flight), box.right - inset, top, 14, flight.autopilot ? colours::highlight : colours::calm,
                Align::right);
    std::string destination = flight.destination.empty() ? "No destination" : capitalised(flight.destination);
    if (!flight.destination.empty()) {
        destination += "  " + distanceText(std::hypot(flight.destinationAt.x - ship.position.x,
                                                      flight.destinationAt.y - ship.position.y));
    }
    canvas.text(destination, x, box.bottom + 14, canvas.fitting(destination, 14, width - 2 * inset), colours::grey);
}

// Where the ship will be in a second, kept inside the picture.
void drawVelocityMark(const Player& ship, const ScreenMap& screen, HudCanvas& canvas) {
    point ahead{ship.position.x + ship.velocity.x * lookAheadMs, ship.position.y + ship.velocity.y * lookAheadMs};
    point at = screen.toLayout(ahead);
    point centre{w / 2.0f, h / 2.0f};
    float dx = at.x - centre.x;
    float dy = at.y - centre.y;
    if (std::hypot(dx, dy) < screen.toPixels(ship.getRadius())) return;
    float fit = std::min({1.0f, (w / 2.0f - markBorder) / std::max(std::fabs(dx), 1e-3f),
                          (h / 2.0f - markBorder) / std::max(std::fabs(dy), 1e-3f)});
    at = point{centre.x + dx * fit, centre.y + dy * fit};
    canvas.circle(at, markRadius, markerColour);
    canvas.dot(at, 3, markerColour);
}

void drawDestinationBracket(const FlightView& flight, const ScreenMap& screen, HudCanvas& canvas) {
    if (!flight.framed || !screen.shows(flight.destinationAt, flight.destinationRadius)) return;
    point at = screen.toLayout(flight.destinationAt);
    float half = std::max(leastBracket, screen.toPixels(flight.destinationRadius) + 6);
    canvas.outline(at.x - half, at.y - half, 2 * half, 2 * half, faded(colours::highlight, 0.7f));
}

void drawLandingCue(const FlightView& flight, const ScreenMap& screen, HudCanvas& canvas) {
    bool lands = flight.touchSpeed < flight.safeSpeed;
    Colour colour = lands ? gentle : crash;
    canvas.circle(screen.toLayout(flight.planetAt), screen.toPixels(flight.touchRadius), faded(colour, 0.8f));
    std::string words = "Landing speed " + figure(flight.touchSpeed) + (lands ? ": lands" : ": crashes") +
                        " (safe below " + figure(flight.safeSpeed) + ")";
    canvas.text(words, w / 2.0f, h / 2.0f - landingTextBelow, 14, colour, Align::centre);
}
}  // namespace

Box flightPanelBox() {
    return Box{(w - panelWidth) / 2, (w + panelWidth) / 2, margin, margin + panelHeight};
}

void drawFlightCues(const FlightView& flight, const Player& ship, const ScreenMap& screen, HudCanvas& canvas) {
    if (ship.destroyed) return;
    drawFlightPanel(flight, ship, canvas);
    drawVelocityMark(ship, screen, canvas);
    drawDestinationBracket(flight, screen, canvas);
    if (flight.landing) drawLandingCue(flight, screen, canvas);
}
