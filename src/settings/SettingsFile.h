#pragma once

#include <filesystem>
#include <string>

#include "settings/Settings.h"

// Reads settings.txt: "name value" lines, '#' starts a comment, a byte-order
// mark is skipped; "bind ACTION KEY" and "pad ACTION CONTROL" bind the
// controls. A missing file gives the defaults; a bad value, an unknown name
// or an unknown action gets one line naming the file and line and keeps what
// it had.
Settings readSettings(const std::string& fileName);
// The whole file as saving writes it: a short header, then every setting and
// every binding, one a line.
std::string settingsText(const Settings& settings);
// Writes settingsText to a temporary file beside `path`, then renames it over
// `path`, so a failure never leaves half a file. False, after one line, when
// it cannot.
bool writeSettings(const Settings& settings, const std::filesystem::path& path);
// Where the game saves the player's settings: settings.txt in the write
// folder (core/WriteFolder.h), which is where the next start reads them.
std::filesystem::path settingsSavePath();
// Saves to settingsSavePath(): what a screen calls after a change.
bool saveSettings(const Settings& settings);
