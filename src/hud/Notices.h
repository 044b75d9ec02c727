#pragma once

#include <filesystem>
#include <string>

#include "settings/Actions.h"

class HudCanvas;
class FrameState;
class HudState;

// The short answer on screen to a key that otherwise answers only in the
// terminal or not at all (the spawn and depth keys); "" for the others.
std::string keyNotice(Action action, const FrameState& state);
// F12's answer: the file's name, or that it was not saved (the terminal says why).
std::string screenshotNotice(const std::filesystem::path& saved);
// The answer, small, above the bottom of the picture, fading out at its end.
void drawNotice(const HudState& hud, HudCanvas& canvas, int now);
