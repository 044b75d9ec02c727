#pragma once

#include <string>

// What a player may set about sound without recompiling.
struct SoundSettings {
    int volume = 100;  // master volume, 0 (silent) to 100 (full)
};

// Reads "name value" lines; '#' starts a comment. A missing file gives the
// defaults; a bad line is reported with file and line and leaves its default.
SoundSettings readSoundSettings(const std::string& fileName);
