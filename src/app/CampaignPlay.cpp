#include "app/CampaignPlay.h"

#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/Font.h"
#include "campaign/Campaign.h"
#include "app/Progress.h"
#include "campaign/SaveFile.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "ui/Text.h"

namespace {
// Between the radar and the map, which take 200 pixels at each top corner.
const float topLineWidth = 860;
const float messageScale = 30;
const float messageStep = 44;
// A message fades out over its last half second.
const int fadeMs = 500;

// Text shrunk where it would run past `width`.
float fittingScale(Font& font, const std::string& text, float scale, float width) {
    float textWidth = font.textWidth(text, scale);
    return textWidth > width ? scale * width / textWidth : scale;
}

std::string hullText(const Campaign& campaign) {
    int hull = static_cast<int>(std::ceil(std::max(0.0f, campaign.player.getHealth())));
    return "Hull " + std::to_string(hull) + " / " + std::to_string(static_cast<int>(campaign.fullHealth));
}
}  // namespace

void stepCampaign(Campaign& campaign, int now, int dt) {
    campaign.update(now, dt);
    if (campaign.takeSaveRequest()) {
        saveProgress(campaign);
    }
}

void drawCampaignOverlay(const Campaign& campaign, Font& font, int now) {
    useLayoutProjection();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    float centre = w / 2.0f;
    std::string objective = campaign.objectiveText();
    drawText(font, objective, centre, h - 34, fittingScale(font, objective, 20, topLineWidth), colours::calm,
             Align::centre);
    std::string score = campaign.scoreText() + "   " + hullText(campaign);
    drawText(font, score, centre, h - 64, fittingScale(font, score, 16, topLineWidth), colours::grey, Align::centre);
    float y = h * 0.66f;
    for (const CampaignMessage& message : campaign.messages) {
        float fade = std::clamp((message.until - now) / static_cast<float>(fadeMs), 0.0f, 1.0f);
        Colour colour{1, 1, 1, fade};
        drawText(font, message.text, centre, y, fittingScale(font, message.text, messageScale, w - 80), colour,
                 Align::centre);
        y -= messageStep;
    }
}
