#pragma once

#include <filesystem>
#include <string>

class HudCanvas;
class HudState;

// F12's answer: the file's name, or that it was not saved (the terminal says why).
std::string screenshotNotice(const std::filesystem::path& saved);
// The answer, small, above the bottom of the picture, fading out at its end.
void drawNotice(const HudState& hud, HudCanvas& canvas, int now);
