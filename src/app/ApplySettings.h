#pragma once

class FrameState;

// Puts state.settings into effect at once: the sound volume, the cursor's
// sensitivity, the bindings and the pad's dead zone. Full screen is the
// window's to switch (state.window.switchWanted); the Free flight switches
// act when Free flight starts, the campaign's flight assist at once.
void applySettings(FrameState& state);
// What a screen that changes the settings calls: applies them and saves them.
void applyAndSaveSettings(FrameState& state);
// As Free flight starts: the overlays and the pilot the settings ask for.
void startFreeFlightOverlays(FrameState& state);
