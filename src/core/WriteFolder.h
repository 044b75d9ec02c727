#pragma once

#include <filesystem>
#include <string>

// Where the game writes: the working directory (the data folder) when it may,
// else the player's own folder, $XDG_DATA_HOME/rerara or, without that,
// ~/.local/share/rerara, so an installed game in a read-only folder can still
// save. An empty path means the working directory.
std::filesystem::path writeFolder();
// The player's own settings.txt in that folder when there is one, else the
// data folder's.
std::string settingsFileName();
