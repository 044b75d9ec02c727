#pragma once

class FrameState;

// Puts state.settings into effect at once: the sound volume, the cursor's
// sensitivity, the bindings and the pad's dead zone. A screen that changes
// the settings calls this, then saveSettings (settings/SettingsFile.h). Full
// screen is the window's to switch (state.window.switchWanted); the Free
// flight switches act when Free flight starts.
void applySettings(FrameState& state);
// As Free flight starts: the overlays the settings ask for.
void startFreeFlightOverlays(FrameState& state);
