#include "hud/Banner.h"

#include <algorithm>
#include <string>

#include "assets/Font.h"
#include "core/Constants.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"

namespace {
const int bannerMs = 4500;
const int fadeInMs = 250;
const int fadeOutMs = 1000;
const float bannerY = 760;
const float bannerScale = 48;
const float messageY = h * 0.66f;
const float messageScale = 30;
const float messageStep = 44;
const float mapMessageY = h - 48.0f;
const float mapMessageScale = 16;
const float mapMessageStep = 26;
// A message fades out over its last half second.
const int messageFadeMs = 500;

// From 0 to 1 and back over the banner's time; 0 once it is over.
float bannerShare(const HudState& hud, int now) {
    int age = now - hud.bannerAt;
    if (hud.bannerWorld < 0 || age < 0 || age >= bannerMs) return 0;
    float in = static_cast<float>(age) / fadeInMs;
    float out = static_cast<float>(bannerMs - age) / fadeOutMs;
    return std::clamp(std::min(in, out), 0.0f, 1.0f);
}
}  // namespace

void noteArrival(HudState& hud, int world, int now) {
    if (world == hud.bannerWorld) return;
    hud.bannerWorld = world;
    hud.bannerAt = now;
}

void drawArrivalBanner(const HudState& hud, const Universe& universe, const HudView& view, HudCanvas& canvas, int now) {
    float share = bannerShare(hud, now);
    if (share <= 0) return;
    std::string name = view.worldName(universe, hud.bannerWorld);
    float scale = canvas.fitting(name, bannerScale, w - 120.0f);
    float width = canvas.textWidth(name, scale);
    canvas.text(name, w / 2.0f, bannerY, scale, faded(colours::white, share), Align::centre);
    float lineY = bannerY - 22;
    canvas.panel(w / 2.0f - width / 2, lineY, width, 2, faded(colours::calm, 0.8f * share));
}

std::vector<HudMessage> shownMessages(const std::vector<HudMessage>& messages, const std::string& bannerName) {
    std::string prefix = bannerName.empty() ? "" : bannerName + ": ";
    std::vector<HudMessage> shown;
    for (const HudMessage& message : messages) {
        std::string text = message.text;
        if (!bannerName.empty() && text == bannerName) continue;
        if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text = capitalised(text.substr(prefix.size()));
        shown.push_back(HudMessage{text, message.until});
    }
    return shown;
}

void drawMessages(const HudView& view, const HudState& hud, const Universe& universe, HudCanvas& canvas, int now) {
    std::string name = bannerShare(hud, now) > 0 ? view.worldName(universe, hud.bannerWorld) : "";
    bool overMap = view.largeMap;
    float y = overMap ? mapMessageY : messageY;
    float scale = overMap ? mapMessageScale : messageScale;
    for (const HudMessage& message : shownMessages(view.messages, name)) {
        float fade = std::clamp((message.until - now) / static_cast<float>(messageFadeMs), 0.0f, 1.0f);
        canvas.text(message.text, w / 2.0f, y, canvas.fitting(message.text, scale, w - 80),
                    faded(colours::white, fade), Align::centre);
        y -= overMap ? mapMessageStep : messageStep;
    }
}
