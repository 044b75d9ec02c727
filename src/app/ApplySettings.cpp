#include "app/ApplySettings.h"

#include "app/FrameState.h"
#include "input/Controls.h"
#include "settings/SettingsFile.h"
#include "sound/Sound.h"

void applySettings(FrameState& state) {
    const Settings& settings = state.settings;
    setSoundVolume(settings.volume);
    setMusicVolume(settings.musicVolume);
    state.cursorSensitivity = standardCursorSensitivity * (settings.mouseSensitivity / 100.0f);
    controls.bindings = settings.bindings;
    controls.padDeadZone = settings.padDeadZone / 100.0f;
}

void applyAndSaveSettings(FrameState& state) {
    applySettings(state);
    saveSettings(state.settings);
}

void startFreeFlightOverlays(FrameState& state) {
    state.shown.statusLines = state.settings.freeFlightStatusLines;
    state.shown.hud = state.settings.freeFlightHud;
    state.shown.flight = state.settings.freeFlightAssist;
}
