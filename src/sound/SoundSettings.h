#pragma once

// What the sound system takes from the player's settings (settings/Settings.h).
struct SoundSettings {
    int volume = 100;  // master volume, 0 (silent) to 100 (full)
    int musicVolume = 50;  // the music's, 0 to 100, under the master volume
};
