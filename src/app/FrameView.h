#pragma once

#include "core/point.h"
#include "hud/HudView.h"
#include "pilot/Destinations.h"
#include "pilot/FlightTuning.h"

class FrameState;
class Universe;

// What the HUD shows of this frame: the pieces the player turned on (a
// campaign has them all), and the campaign's worlds, goal, score, messages
// and respawn point; in Free flight those stay empty. `camera` is where the
// frame's camera looks, for the aim.
HudView frameView(const FrameState& state, const Universe& universe, point camera);
// What the pilot knows of the places worth flying to: the campaign's
// worlds, respawn planet and points; nothing in Free flight.
KnownPlaces knownPlaces(const FrameState& state);
// The campaign's flight tuning, Free flight's defaults.
FlightTuning flightTuning(const FrameState& state);
