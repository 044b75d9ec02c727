#pragma once

#include <filesystem>
#include <string>

class HudCanvas;
class HudState;
class ScreenLayout;
struct HudView;

// F12's answer: the file's name, or that it was not saved (the terminal says why).
std::string screenshotNotice(const std::filesystem::path& saved);
// The answer, small, above the bottom of the picture, fading out at its end.
void drawNotice(const HudState& hud, HudCanvas& canvas, ScreenLayout& layout, int now);
// The first campaign's hint of the moment, on a pane near the foot of the
// picture, where it covers no body and no label when it can.
void drawHint(const HudView& view, HudCanvas& canvas, ScreenLayout& layout);
