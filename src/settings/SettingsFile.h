#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "settings/Settings.h"

// Reads settings.txt: "name value" lines, '#' starts a comment, a byte-order
// mark is skipped; "bind ACTION KEY" and "pad ACTION CONTROL" bind the
// controls. A missing file gives the defaults; a bad value, an unknown name
// or an unknown action gets one line naming the file and line and keeps what
// it had.
// A file that is there but cannot be read (no permission, too large, not a
// file) is named, gives the defaults, and is never overwritten in this run.
// The difficulty may be any one word, for checkDifficulty.
Settings readSettings(const std::string& fileName);
// Once the campaign is read: a difficulty the last read file named that the
// campaign does not offer gets one line, and gives way to normal (or the
// campaign's first).
void checkDifficulty(Settings& settings, const std::vector<std::string>& names);
// The whole file as saving writes it: a short header, then every setting and
// every binding, one a line.
std::string settingsText(const Settings& settings);
// Writes settingsText to a temporary file beside `path` (beside the file a
// link names), then renames it over that, so a failure never leaves half a
// file. False, after one line, when it cannot, or when `path` is the file the
// last read could not read.
bool writeSettings(const Settings& settings, const std::filesystem::path& path);
// Where the game saves the player's settings: settings.txt in the write
// folder (core/WriteFolder.h), which is where the next start reads them.
std::filesystem::path settingsSavePath();
// Saves to settingsSavePath(): what a screen calls after a change.
bool saveSettings(const Settings& settings);
