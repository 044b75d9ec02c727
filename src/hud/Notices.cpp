#include "hud/Notices.h"

#include <algorithm>

#include "core/Constants.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"

namespace {
const float noticeY = 128;
const float noticeScale = 15;
const int fadeMs = 400;
}  // namespace

std::string screenshotNotice(const std::filesystem::path& saved) {
    return saved.empty() ? "Screenshot not saved" : "Screenshot saved: " + saved.filename().string();
}

void drawNotice(const HudState& hud, HudCanvas& canvas, int now) {
    int left = hud.noticeUntil - now;
    if (hud.noticeText.empty() || left <= 0) return;
    float fade = std::min(1.0f, static_cast<float>(left) / fadeMs);
    canvas.text(hud.noticeText, w / 2.0f, noticeY, canvas.fitting(hud.noticeText, noticeScale, w - 80),
             faded(colours::white, fade), Align::centre);
}
