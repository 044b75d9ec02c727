#include "hud/Notices.h"

#include <algorithm>
#include <vector>

#include "core/Constants.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"
#include "hud/HudView.h"
#include "hud/ScreenLayout.h"

namespace {
const std::vector<float> noticeRows = {128, 110, 440, 200};
const float noticeScale = 15;
const int fadeMs = 400;

// The hint's baseline, first choice first; its pane reaches 14 below and 32 above.
const std::vector<float> hintRows = {164, 234, 304, 374};
const float hintScale = 22;
const float hintBelow = 14;
const float hintHeight = 46;
const Colour hintPane{0, 0.05f, 0.1f, 0.7f};
const Colour hintText{0.85f, 0.95f, 1};
}  // namespace

std::string screenshotNotice(const std::filesystem::path& saved) {
    return saved.empty() ? "Screenshot not saved" : "Screenshot saved: " + saved.filename().string();
}

void drawNotice(const HudState& hud, HudCanvas& canvas, ScreenLayout& layout, int now) {
    int left = hud.noticeUntil - now;
    if (hud.noticeText.empty() || left <= 0) return;
    float fade = std::min(1.0f, static_cast<float>(left) / fadeMs);
    float scale = canvas.fitting(hud.noticeText, noticeScale, w - 80);
    float y = layout.place(canvas.textBox(hud.noticeText, w / 2.0f, 0, scale, Align::centre), noticeRows);
    canvas.text(hud.noticeText, w / 2.0f, y, scale, faded(colours::white, fade), Align::centre);
}

void drawHint(const HudView& view, HudCanvas& canvas, ScreenLayout& layout) {
    if (view.hint.empty() || view.hintShare <= 0) return;
    const std::string& line = view.hint;
    float scale = canvas.fitting(line, hintScale, w - 120);
    float width = canvas.textWidth(line, scale) + 40;
    Box pane{(w - width) / 2, (w + width) / 2, -hintBelow, hintHeight - hintBelow};
    float y = layout.place(pane, hintRows);
    canvas.panel(pane.left, y - hintBelow, width, hintHeight, faded(hintPane, view.hintShare));
    canvas.text(line, w / 2.0f, y, scale, faded(hintText, view.hintShare), Align::centre);
}
