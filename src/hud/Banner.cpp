#include "hud/Banner.h"

#include <algorithm>
#include <string>

#include "assets/Font.h"
#include "campaign/Campaign.h"
#include "core/Constants.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"
#include "hud/WorldNames.h"

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

void drawArrivalBanner(const HudState& hud, const Universe& universe, const Campaign* campaign, HudCanvas& canvas, int now) {
    float share = bannerShare(hud, now);
    if (share <= 0) return;
    std::string name = worldTitle(universe, campaign, hud.bannerWorld);
    float scale = canvas.fitting(name, bannerScale, w - 120.0f);
    float width = canvas.textWidth(name, scale);
    canvas.text(name, w / 2.0f, bannerY, scale, faded(colours::white, share), Align::centre);
    float lineY = bannerY - 22;
    canvas.panel(w / 2.0f - width / 2, lineY, width, 2, faded(colours::calm, 0.8f * share));
}

void drawCampaignMessages(const Campaign& campaign, const HudState& hud, HudCanvas& canvas, int now, bool overMap) {
    std::string name = bannerShare(hud, now) > 0 ? campaign.worldName(hud.bannerWorld) : "";
    std::string prefix = name.empty() ? "" : name + ": ";
    float y = overMap ? mapMessageY : messageY;
    float scale = overMap ? mapMessageScale : messageScale;
    for (const CampaignMessage& message : campaign.messages) {
        std::string text = message.text;
        if (!name.empty() && text == name) continue;
        if (!prefix.empty() && text.compare(0, prefix.size(), prefix) == 0) text = capitalised(text.substr(prefix.size()));
        float fade = std::clamp((message.until - now) / static_cast<float>(messageFadeMs), 0.0f, 1.0f);
        canvas.text(text, w / 2.0f, y, canvas.fitting(text, scale, w - 80), faded(colours::white, fade),
                  Align::centre);
        y -= overMap ? mapMessageStep : messageStep;
    }
}
