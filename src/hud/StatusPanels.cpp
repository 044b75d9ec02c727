#include "hud/StatusPanels.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/NamedImages.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "hud/HudArt.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"
#include "hud/HudView.h"

namespace {
const Colour panelColour{0, 0.02f, 0.06f, 0.6f};
const Colour edgeColour{0.4f, 0.6f, 0.8f, 0.5f};
const Colour barBack{0.16f, 0.17f, 0.22f, 0.9f};
const Colour healthy{0.35f, 0.9f, 0.45f};
const Colour worn{1, 0.75f, 0.25f};
const Colour failing{1, 0.3f, 0.25f};
const Colour shieldColour{0.35f, 0.7f, 1};

const float margin = 16;
const float panelWidth = 360;
const float panelHeight = 68;
const float inset = 12;
// Between the radar and the map.
const float objectiveWidth = 800;
const float objectiveY = h - 34;
const float scoreY = h - 62;
const float unsavedY = h - 88;
const int hitShowMs = 150;

const int laserWeapon = 1;
const char* const weaponNames[] = {"Gun", "Laser", "Shockwave gun"};
const HudImage weaponIcons[] = {HudImage::gunIcon, HudImage::laserIcon, HudImage::shockwaveIcon};
const int playerWeapons = 3;

void drawBox(HudCanvas& canvas, float x, float y, float width, float height) {
    canvas.panel(x, y, width, height, panelColour);
    canvas.outline(x, y, width, height, edgeColour);
}

Colour hullColour(float share) {
    if (share > 0.5f) return healthy;
    return share > 0.25f ? worn : failing;
}

// A thin bar over the hull's: what is left of the shield, which takes hits first.
void drawShieldBar(HudCanvas& canvas, const Player& player, float x, float y, float width) {
    const float height = 5;
    float share = std::clamp(player.shieldPoints / player.shieldCapacity, 0.0f, 1.0f);
    canvas.panel(x, y, width, height, barBack);
    canvas.panel(x, y, width * share, height, shieldColour);
}

// The share of the wait between two shots that has passed: 1 when ready.
float readiness(const Player& player, int number, int now) {
    if (number == laserWeapon) return 1;
    float cooldown = player.cooldownOf(number);
    float left = player.nextShotTime - static_cast<float>(now);
    if (cooldown <= 0 || left <= 0) return 1;
    return std::clamp(1 - left / cooldown, 0.0f, 1.0f);
}
}  // namespace

void drawHullPanel(HudCanvas& canvas, const Player& player, const HudView& view, const HudState& hud, int now) {
    float fullHealth = view.fullHealth;
    float x = margin;
    float y = margin;
    drawBox(canvas, x, y, panelWidth, panelHeight);
    float barX = x + inset;
    float barWidth = panelWidth - 2 * inset;
    float barY = y + 12;
    float barHeight = 18;
    float textY = y + panelHeight - 24;
    float health = std::max(0.0f, player.getHealth());
    float share = fullHealth > 0 ? std::min(1.0f, health / fullHealth) : 0;
    canvas.panel(barX, barY, barWidth, barHeight, barBack);
    bool justHit = now - hud.hitAt >= 0 && now - hud.hitAt < hitShowMs;
    canvas.panel(barX, barY, barWidth * share, barHeight, justHit ? colours::white : hullColour(share));
    if (player.shieldTime > 0) canvas.outline(barX - 2, barY - 2, barWidth + 4, barHeight + 4, colours::calm);
    if (player.shieldCapacity > 0) drawShieldBar(canvas, player, barX, barY + barHeight + 3, barWidth);

    std::string title = player.shieldTime > 0 ? "HULL  shielded" : "HULL";
    canvas.text(title, barX, textY, 14, player.shieldTime > 0 ? colours::calm : colours::grey);
    // The figure keeps to the room the title leaves.
    float room = barWidth - canvas.textWidth(title, 14) - 16;
    std::string figure = std::to_string(static_cast<long long>(std::ceil(player.getHealth()))) + " / " +
                         std::to_string(static_cast<long long>(std::lround(fullHealth)));
    Colour figureColour = colours::white;
    if (player.destroyed) {
        int seconds = std::max(0, (view.newShipAt - now + 999) / 1000);
        figure = view.newShipAt >= 0 ? "Destroyed: new ship in " + std::to_string(seconds) + " s" : "Destroyed";
        figureColour = colours::warning;
    }
    canvas.text(figure, barX + barWidth, textY, canvas.fitting(figure, 16, room), figureColour, Align::right);
}

void drawWeaponPanel(HudCanvas& canvas, const Player& player, int now) {
    float x = w - margin - panelWidth;
    float y = margin;
    drawBox(canvas, x, y, panelWidth, panelHeight);
    int selected = std::clamp(player.weapon, 0, playerWeapons - 1);
    for (int i = 0; i < playerWeapons; ++i) {
        point centre{x + 34 + 46.0f * i, y + panelHeight / 2};
        bool lit = i == selected;
        if (lit) canvas.outline(centre.x - 21, centre.y - 21, 42, 42, colours::highlight);
        canvas.icon(hudImage(weaponIcons[i]), centre, lit ? 17.0f : 13.0f, 0, lit ? colours::white : faded(colours::grey, 0.6f));
        canvas.text(std::to_string(i + 1), centre.x + 13, centre.y - 20, 10, lit ? colours::highlight : colours::dim);
    }
    float textX = x + 34 + 46.0f * playerWeapons;
    float textWidth = x + panelWidth - inset - textX;
    const char* name = weaponNames[selected];
    canvas.text(name, textX, y + panelHeight - 26, canvas.fitting(name, 16, textWidth), colours::white);
    float ready = readiness(player, player.weapon + player.weaponOffset, now);
    canvas.panel(textX, y + 12, textWidth, 6, barBack);
    canvas.panel(textX, y + 12, textWidth * ready, 6, ready >= 1 ? colours::calm : colours::highlight);
    canvas.text(ready >= 1 ? "ready" : "reloading", textX + textWidth, y + 22, 11,
             ready >= 1 ? colours::calm : colours::highlight, Align::right);
}

Box drawObjective(HudCanvas& canvas, const HudView& view) {
    float centre = w / 2.0f;
    const std::string& objective = view.objective;
    const std::string& score = view.score;
    float objectiveScale = canvas.fitting(objective, 20, objectiveWidth);
    float scoreScale = canvas.fitting(score, 16, objectiveWidth);
    Box box = canvas.textBox(objective, centre, objectiveY, objectiveScale, Align::centre)
                  .joined(canvas.textBox(score, centre, scoreY, scoreScale, Align::centre));
    const std::string& unsaved = view.unsaved;
    float unsavedScale = canvas.fitting(unsaved, 15, objectiveWidth);
    if (!unsaved.empty()) box = box.joined(canvas.textBox(unsaved, centre, unsavedY, unsavedScale, Align::centre));
    // The world passes under it: a pane keeps it readable.
    drawBacking(canvas, box);
    canvas.text(objective, centre, objectiveY, objectiveScale, colours::calm, Align::centre);
    canvas.text(score, centre, scoreY, scoreScale, colours::grey, Align::centre);
    if (!unsaved.empty()) canvas.text(unsaved, centre, unsavedY, unsavedScale, colours::warning, Align::centre);
    return box;
}

namespace {
const float upgradeIconHalf = 11;
const float upgradeIconStep = 26;
const size_t upgradeIconsPerRow = static_cast<size_t>((panelWidth - 2 * inset) / upgradeIconStep);
}  // namespace

void drawUpgradeIcons(HudCanvas& canvas, const HudView& view) {
    const float half = upgradeIconHalf;
    const float step = upgradeIconStep;
    const size_t perRow = upgradeIconsPerRow;
    for (size_t i = 0; i < view.upgradeIcons.size(); ++i) {
        point centre{margin + inset + half + step * static_cast<float>(i % perRow),
                     margin + panelHeight + 6 + half + step * static_cast<float>(i / perRow)};
        canvas.icon(namedImageOf(view.upgradeIcons[i]), centre, half, 0, colours::white);
    }
}

Box upgradeIconsBox(const HudView& view) {
    size_t rows = (view.upgradeIcons.size() + upgradeIconsPerRow - 1) / upgradeIconsPerRow;
    float bottom = margin + panelHeight;
    return Box{margin, margin + panelWidth, bottom, bottom + 6 + upgradeIconStep * static_cast<float>(rows)};
}

Box hullPanelBox() { return Box{margin, margin + panelWidth, margin, margin + panelHeight}; }

Box weaponPanelBox() { return Box{w - margin - panelWidth, w - margin, margin, margin + panelHeight}; }
