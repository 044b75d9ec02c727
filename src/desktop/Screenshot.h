#pragma once

#include <cstdio>
#include <filesystem>
#include <vector>

#include "desktop/WindowMode.h"

// Where screenshots go: `screenshots` in the folder the game writes to, the
// working directory (the data folder) unless that is read-only.
std::filesystem::path screenshotFolder();
// Saves the picture area of the back buffer as the next free numbered PNG in
// that folder, prints its path and returns it; a folder that cannot be
// written gets one line, an empty path, and the game runs on.
std::filesystem::path saveScreenshot(const PictureArea& area);
// 8-bit RGB rows given from the bottom up, as OpenGL reads them. False when
// the file could not be written.
bool writePng(std::FILE* file, int width, int height, const std::vector<unsigned char>& rgb);
