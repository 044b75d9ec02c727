#pragma once

#include <string>

#include "settings/Bindings.h"

// What the player chooses and keeps from one game to the next, read from and
// written to settings.txt (settings/SettingsFile.h). Plain values: a screen
// changes them, then applies and saves them.
struct Settings {
    int volume = 100;            // every sound, 0 (silent) to 100 (full)
    int musicVolume = 50;        // the music, 0 to 100, under `volume`
    bool fullScreen = false;     // start in full screen
    int mouseSensitivity = 100;  // percent of the standard cursor speed
    std::string difficulty = "normal";  // for the next campaign: one the campaign offers
    // What Free flight shows beyond its classic picture; the status lines are
    // part of that picture, so they start shown.
    bool freeFlightStatusLines = true;
    bool freeFlightHud = false;
    bool freeFlightLabels = false;
    bool freeFlightMarkers = false;
    bool freeFlightMusic = false;
    // The campaign's flight assist eases the ship to rest when no thrust is
    // held; Free flight's turns on the whole pilot: the assist, the stop, the
    // autopilot and their readouts.
    bool flightAssist = true;
    bool freeFlightAssist = false;
    // Free flight saves nothing unless this is on: then its runs are recorded
    // like the campaign's.
    bool freeFlightReplays = false;
    // The first campaign's hints are still to be shown; cleared once shown,
    // set again to bring them back.
    bool hints = true;
    int padDeadZone = 20;  // percent of a stick's travel that counts as rest
    Bindings bindings = defaultBindings();
};

const int mostVolume = 100;
const int leastMouseSensitivity = 25;
const int mostMouseSensitivity = 400;
const int mostPadDeadZone = 90;
const char* const difficultyNames[] = {"easy", "normal", "hard"};
