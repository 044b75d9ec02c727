#pragma once

#include <filesystem>
#include <string>

// Where the game writes: the working directory (the data folder) when it may
// and the game is not an installed one, else the player's own folder,
// $XDG_DATA_HOME/rerara or, without that, ~/.local/share/rerara. The
// installed launcher sets RERARA_INSTALLED. An empty path means the working
// directory.
std::filesystem::path writeFolder();
// Writes `text` whole or not at all: into "PATH.tmp", flushed to the disk,
// which then takes the file's place, so a crash leaves the old file or the
// new one. False after a line: `failure`, the path and the reason.
bool replaceFile(const std::filesystem::path& path, const std::string& text, const std::string& failure);
// The player's own settings.txt in that folder when there is one, else the
// data folder's.
std::string settingsFileName();
