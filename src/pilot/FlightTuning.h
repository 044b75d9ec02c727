#pragma once

// How the ship's flight computer flies: campaign.txt's `assist`, `brake` and
// `cruise` lines. Free flight's assist, when the player turns it on, flies
// by these defaults.
struct FlightTuning {
    // With the assist on and no thrust held, the ship's speed relative to
    // the nearest body falls off over about this time (ms), never faster
    // than `brake`.
    float assistMs = 1200;
    // The most the flight computer changes the ship's velocity, in units/ms
    // every ms: how hard a stop and the autopilot brake.
    float brake = 0.0007f;
    // The autopilot's top speed, units/ms.
    float cruise = 3;
};

// The values campaign.txt may give them.
const float leastAssistMs = 100;
const float mostAssistMs = 60000;
const float leastBrake = 0.0001f;
const float mostBrake = 0.01f;
const float leastCruise = 0.2f;
const float mostCruise = 20;
