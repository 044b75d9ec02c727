#pragma once

#include "core/Box.h"

class HudCanvas;
class Player;
class ScreenMap;
struct FlightView;

// The panel at the bottom middle, between the hull and the weapons: the
// speed, what the pilot is doing and the marked destination.
Box flightPanelBox();
// The flight readouts with the HUD: the panel; a mark where the ship will be
// in a second; a bracket round the destination in view; near a planet, the
// ring a touch-down meets it on, green while a touch would land gently and
// red while it would crash, with the speed it would have.
void drawFlightCues(const FlightView& flight, const Player& ship, const ScreenMap& screen, HudCanvas& canvas);
