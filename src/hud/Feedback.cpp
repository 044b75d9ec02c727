#include "hud/Feedback.h"

#include <GL/glew.h>

#include <algorithm>
#include <string>

#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/SpriteBatch.h"
#include "core/VisibleArea.h"
#include "hud/HudArt.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudState.h"
#include "hud/HudView.h"
#include "hud/ScreenLayout.h"
#include "hud/ScreenMap.h"
#include "sound/Sound.h"
#include "ui/Text.h"
#include "world/WorldState.h"

namespace {
const int gunWeapon = 0;
const int shockwaveWeapon = 2;
// The shots' sprites are 40 units across; the glow some three times that.
const float glowHalf = 64;
// The player's own colours, which no enemy wears.
const Colour gunGlow{0.35f, 0.95f, 1, 0.9f};
const Colour shockwaveGlow{0.45f, 0.7f, 1, 0.9f};

const int pointsRiseMs = 1300;
const int pointsFadeMs = 500;
const float pointsRise = 80;
const float pointsScale = 20;

const int flashMs = 180;
const int pulseMs = 450;
const float pulseDepth = 120;
// The least pulse, and how the share of the hull a hit takes makes it stronger.
const float leastHit = 0.35f;
const float hitGain = 4;

void flushTinted(SpriteBatch& batch, Colour colour) {
    glColor4f(colour.r, colour.g, colour.b, colour.a);
    batch.flush();
}

// One strip along an edge: `outer` at the picture's edge, fading to nothing inward.
void edgeStrip(point outerA, point outerB, point innerB, point innerA, float alpha) {
    glColor4f(0.9f, 0.06f, 0.04f, alpha);
    glVertex2f(outerA.x, outerA.y);
    glVertex2f(outerB.x, outerB.y);
    glColor4f(0.9f, 0.06f, 0.04f, 0);
    glVertex2f(innerB.x, innerB.y);
    glVertex2f(innerA.x, innerA.y);
}
}  // namespace

void drawShotGlow(const WorldState& world, int dt) {
    GLuint glow = hudImage(HudImage::shotGlow);
    if (glow == 0) return;
    SpriteBatch gun;
    SpriteBatch shockwave;
    for (const Projectile& shot : world.projectiles) {
        if (shot.hostile || (shot.weapon != gunWeapon && shot.weapon != shockwaveWeapon)) continue;
        point next{shot.position.x + shot.velocity.x * dt, shot.position.y + shot.velocity.y * dt};
        if (!visibleArea.showsSquare(next, glowHalf)) continue;
        (shot.weapon == gunWeapon ? gun : shockwave).add(glow, next, glowHalf, 0);
    }
    glPushAttrib(GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    flushTinted(gun, gunGlow);
    flushTinted(shockwave, shockwaveGlow);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPopAttrib();
}

void noteKills(HudState& hud, const WorldState& world, const HudView& view, int now) {
    for (const ShipLoss& loss : world.shipLosses) {
        if (loss.cause != LossCause::destroyed) continue;
        long long points = view.pointsFor(loss.type);
        if (points > 0) hud.floatingPoints.push_back(FloatingPoints{loss.position, points, now});
    }
}

bool noteHits(HudState& hud, float damageTaken, float fullHealth, int now) {
    // A new ship starts with nothing taken.
    if (damageTaken < hud.seenDamage) hud.seenDamage = damageTaken;
    float hit = damageTaken - hud.seenDamage;
    hud.seenDamage = damageTaken;
    if (hit <= 0) return false;
    float share = fullHealth > 0 ? hit / fullHealth : 1;
    hud.hitStrength = std::clamp(leastHit + hitGain * share, leastHit, 1.0f);
    hud.hitAt = now;
    playSound(SoundEffect::playerHit);
    return true;
}

void drawShipFlash(const HudState& hud, const Player& player, int now) {
    int age = now - hud.hitAt;
    if (player.destroyed || age < 0 || age >= flashMs) return;
    float strength = hud.hitStrength * (1 - static_cast<float>(age) / flashMs);
    glPushAttrib(GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(1, 0.55f, 0.45f, strength);
    glPushMatrix();
    glTranslatef(player.position.x, player.position.y, 0);
    glRotatef(player.getAngle(), 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[playerTexture]);
    // Twice over: once to light it, once to whiten it.
    drawSquare(player.getRadius());
    drawSquare(player.getRadius());
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glPopAttrib();
}

void drawFloatingPoints(HudState& hud, const ScreenMap& screen, HudCanvas& canvas, ScreenLayout& layout, int now) {
    std::vector<FloatingPoints>& all = hud.floatingPoints;
    all.erase(std::remove_if(all.begin(), all.end(),
                             [now](const FloatingPoints& points) { return now - points.bornAt >= pointsRiseMs; }),
              all.end());
    for (const FloatingPoints& points : all) {
        int age = std::max(0, now - points.bornAt);
        float fade = std::min(1.0f, static_cast<float>(pointsRiseMs - age) / pointsFadeMs);
        point at = screen.toLayout(points.where);
        std::string text = "+" + std::to_string(points.points);
        float y = at.y + pointsRise * age / pointsRiseMs;
        // Where other text stands, the points give way.
        Box box = canvas.textBox(text, at.x, y, pointsScale, Align::centre);
        if (!layout.fits(box)) continue;
        layout.take(box);
        canvas.text(text, at.x, y, pointsScale, faded(colours::highlight, fade), Align::centre);
    }
}

void drawHitPulse(const HudState& hud, int now) {
    int age = now - hud.hitAt;
    if (age < 0 || age >= pulseMs) return;
    float left = 1 - static_cast<float>(age) / pulseMs;
    float alpha = 0.6f * hud.hitStrength * left * left;
    float d = pulseDepth;
    float right = static_cast<float>(w);
    float top = static_cast<float>(h);
    glPushAttrib(GL_CURRENT_BIT);
    glBindTexture(GL_TEXTURE_2D, 0);
    glBegin(GL_QUADS);
    edgeStrip(point{0, 0}, point{right, 0}, point{right - d, d}, point{d, d}, alpha);
    edgeStrip(point{0, top}, point{right, top}, point{right - d, top - d}, point{d, top - d}, alpha);
    edgeStrip(point{0, 0}, point{0, top}, point{d, top - d}, point{d, d}, alpha);
    edgeStrip(point{right, 0}, point{right, top}, point{right - d, top - d}, point{right - d, d}, alpha);
    glEnd();
    glPopAttrib();
}
