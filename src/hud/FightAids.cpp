#include "hud/FightAids.h"

#include <algorithm>
#include <cmath>

#include "combat/Player.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "hud/EdgeMarkers.h"
#include "hud/HudCanvas.h"
#include "hud/HudDraw.h"
#include "hud/HudView.h"
#include "hud/ScreenMap.h"
#include "world/Universe.h"

namespace {
const int gunWeapon = 0;
const int shockwaveWeapon = 2;
const Colour barBack{0, 0.02f, 0.06f, 0.75f};
const Colour healthy{0.35f, 0.9f, 0.45f};
const Colour worn{1, 0.75f, 0.25f};
const Colour failing{1, 0.3f, 0.25f};
// The player's own colour, which no enemy wears.
const Colour leadColour{0.45f, 0.95f, 1, 0.9f};
const float barHeight = 4;
const float leastBarWidth = 26;
const float bracketArm = 7;
const float leadRadius = 7;
// The lead mark follows the enemy nearest the aim within this many pixels of it.
const float aimReach = 160;

Colour barColour(float share) {
    if (share > 0.5f) return healthy;
    return share > 0.25f ? worn : failing;
}

void drawHullBar(const Ship& ship, const ScreenMap& screen, HudCanvas& canvas) {
    if (ship.health <= 0 || ship.health >= ship.fullHealth || ship.fullHealth <= 0) return;
    point at = screen.toLayout(ship.position);
    float radius = screen.toPixels(ship.radius);
    float width = std::max(leastBarWidth, 1.2f * radius);
    float left = at.x - width / 2;
    float bottom = at.y - radius - 6 - barHeight;
    float share = ship.health / ship.fullHealth;
    canvas.panel(left - 1, bottom - 1, width + 2, barHeight + 2, barBack);
    canvas.panel(left, bottom, width * share, barHeight, barColour(share));
}

// Four corners round the ship, in the colour of the objective's marker.
void drawBrackets(const Ship& ship, const ScreenMap& screen, HudCanvas& canvas) {
    point at = screen.toLayout(ship.position);
    float half = screen.toPixels(ship.radius) + 6;
    for (float sx : {-1.0f, 1.0f}) {
        for (float sy : {-1.0f, 1.0f}) {
            point corner{at.x + sx * half, at.y + sy * half};
            canvas.line(corner, point{corner.x - sx * bracketArm, corner.y}, objectiveColour);
            canvas.line(corner, point{corner.x, corner.y - sy * bracketArm}, objectiveColour);
        }
    }
}

// The enemy in view nearest the aim, within reach of it; null for none.
const Ship* aimedAt(const WorldState& world, const HudView& view, const ScreenMap& screen) {
    const Ship* nearest = nullptr;
    float best = aimReach;
    point aim = screen.toLayout(view.aim);
    for (const Ship& ship : world.ships) {
        if (ship.health <= 0 || !screen.shows(ship.position, ship.radius)) continue;
        float distance = pointDistance(screen.toLayout(ship.position), aim);
        if (distance < best) {
            best = distance;
            nearest = &ship;
        }
    }
    return nearest;
}

void drawLead(const Player& player, const Ship& target, const ScreenMap& screen, HudCanvas& canvas) {
    int weapon = player.weapon + player.weaponOffset;
    if (weapon != gunWeapon && weapon != shockwaveWeapon) return;
    point aim;
    float ms = 0;
    float speed = weaponStat(weapon, GUNSPEED);
    if (!leadPoint(player.position, player.velocity, target.position, target.velocity, speed, aim, ms)) return;
    // A shot that burns out first never gets there.
    if (ms > weaponStat(weapon, LIFETIME)) return;
    point from = screen.toLayout(target.position);
    point to = screen.toLayout(aim);
    if (pointDistance(from, to) > leadRadius) canvas.line(from, to, faded(leadColour, 0.6f), true);
    canvas.circle(to, leadRadius, leadColour);
    canvas.dot(to, 3, leadColour);
}
}  // namespace

bool leadPoint(point shooter, point shooterVelocity, point target, point targetVelocity, float speed, point& aim,
               float& ms) {
    // Seen from the shot's carrier, the target moves at `closing` and the shot at `speed`.
    point closing{targetVelocity.x - shooterVelocity.x, targetVelocity.y - shooterVelocity.y};
    double t = interceptTime(point{target.x - shooter.x, target.y - shooter.y}, closing, speed);
    if (!(t > 0) || !std::isfinite(t)) return false;
    ms = static_cast<float>(t);
    aim = point{static_cast<float>(target.x + closing.x * t), static_cast<float>(target.y + closing.y * t)};
    return true;
}

void drawFightAids(const Universe& universe, const HudView& view, const ScreenMap& screen, HudCanvas& canvas) {
    const WorldState& world = universe.currentWorld();
    const Player& player = *universe.player;
    for (const Ship& ship : world.ships) {
        if (screen.shows(ship.position, ship.radius)) drawHullBar(ship, screen, canvas);
    }
    const Ship* objective = view.objective.empty() ? nullptr : mostValuableShip(world.ships, view.pointsByType, player.position);
    if (objective && screen.shows(objective->position, objective->radius)) drawBrackets(*objective, screen, canvas);
    if (player.destroyed) return;
    if (const Ship* target = aimedAt(world, view, screen)) drawLead(player, *target, screen, canvas);
}
