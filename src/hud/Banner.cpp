#include "hud/Banner.h"

#include <algorithm>
#include <string>

#include "assets/Font.h"
#include "core/Constants.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"
#include "hud/ScreenLayout.h"

namespace {
const int bannerMs = 4500;
const int fadeInMs = 250;
const int fadeOutMs = 1000;
const float bannerScale = 48;
const float underlineDrop = 22;
const float messageScale = 30;
const float messageStep = 56;
// Where the banner and the messages may stand, first choice first: above the
// ship, else higher, else below it.
const std::vector<float> bannerRows = {760, 840, 330, 260};
const std::vector<float> messageRows = {675, 740, 805, 870, 370, 300, 240};
const float mapMessageY = h - 48.0f;
const float mapMessageScale = 16;
const float mapMessageStep = 28;
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

void drawArrivalBanner(const HudState& hud, const Universe& universe, const HudView& view, HudCanvas& canvas,
                       ScreenLayout& layout, int now) {
    float share = bannerShare(hud, now);
    if (share <= 0) return;
    std::string name = view.worldName(universe, hud.bannerWorld);
    float scale = canvas.fitting(name, bannerScale, w - 120.0f);
    float width = canvas.textWidth(name, scale);
    Box atZero = canvas.textBox(name, w / 2.0f, 0, scale, Align::centre);
    atZero = atZero.joined(Box{w / 2.0f - width / 2, w / 2.0f + width / 2, -underlineDrop, -underlineDrop + 2});
    float y = layout.place(atZero, bannerRows);
    if (layout.coversBody(atZero.moved(0, y))) drawBacking(canvas, atZero.moved(0, y), share);
    canvas.text(name, w / 2.0f, y, scale, faded(colours::white, share), Align::centre);
    canvas.panel(w / 2.0f - width / 2, y - underlineDrop, width, 2, faded(colours::calm, 0.8f * share));
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

void drawMessages(const HudView& view, const HudState& hud, const Universe& universe, HudCanvas& canvas,
                  ScreenLayout& layout, int now) {
    std::string name = bannerShare(hud, now) > 0 ? view.worldName(universe, hud.bannerWorld) : "";
    std::vector<HudMessage> messages = shownMessages(view.messages, name);
    if (messages.empty()) return;
    bool overMap = view.largeMap;
    float scale = overMap ? mapMessageScale : messageScale;
    float step = overMap ? mapMessageStep : messageStep;
    // The lines as one block, the first at height 0.
    std::vector<Box> lines;
    Box block{w / 2.0f, w / 2.0f, 0, 0};
    for (size_t i = 0; i < messages.size(); ++i) {
        const std::string& text = messages[i].text;
        lines.push_back(canvas.textBox(text, w / 2.0f, -step * i, canvas.fitting(text, scale, w - 80), Align::centre));
        block = i == 0 ? lines.back() : block.joined(lines.back());
    }
    float y = layout.place(block, overMap ? std::vector<float>{mapMessageY} : messageRows);
    bool backed = !overMap && layout.coversBody(block.moved(0, y));
    for (size_t i = 0; i < messages.size(); ++i) {
        const HudMessage& message = messages[i];
        float fade = std::clamp((message.until - now) / static_cast<float>(messageFadeMs), 0.0f, 1.0f);
        if (backed) drawBacking(canvas, lines[i].moved(0, y), fade);
        canvas.text(message.text, w / 2.0f, y - step * i, canvas.fitting(message.text, scale, w - 80),
                    faded(colours::white, fade), Align::centre);
    }
}
