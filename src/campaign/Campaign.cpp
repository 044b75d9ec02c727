#include "campaign/Campaign.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <limits>

#include "campaign/WorldResume.h"
#include "combat/Player.h"
#include "combat/Ship.h"
#include "combat/Timers.h"
#include "core/Geometry.h"
#include "core/Wording.h"
#include "sound/Sound.h"
#include "world/ListPass.h"
#include "world/Universe.h"

namespace {

// A save names its difficulty; one the script no longer has falls back to the first.
const Difficulty& chosenDifficulty(const CampaignScript& script, const std::string& name) {
    const Difficulty* difficulty = script.difficulty(name);
    return difficulty != nullptr ? *difficulty : script.difficulties.front();
}

void showHits(Universe& universe) {
    for (WorldState& world : universe.worlds) world.hitFeedback = true;
}

// The middle of a world's stars; the world's middle when it has none.
point worldCentre(const WorldState& world) {
    point sum{0, 0};
    for (const Star& star : world.stars) {
        sum.x += star.position.x;
        sum.y += star.position.y;
    }
    float count = static_cast<float>(std::max<size_t>(world.stars.size(), 1));
    return point{sum.x / count, sum.y / count};
}

point orbitPosition(const Star& star, const Planet& planet) {
    return point{star.position.x + planet.orbitRadius * std::cos(planet.orbitAngle),
                 star.position.y + planet.orbitRadius * std::sin(planet.orbitAngle)};
}

}  // namespace

std::string modeOf(const RunResult& run) { return run.endless ? "endless" : run.difficulty; }

std::string playTime(long long ms) {
    long long seconds = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

Campaign::Campaign(const CampaignScript& script, Universe& universe, const Difficulty& difficulty, int now)
    : script(script),
      universe(universe),
      player(*universe.player),
      difficulty(difficulty),
      fullHealth(player.health),
      cleared(universe.worlds.size(), false) {
    run.difficulty = difficulty.name;
    showHits(universe);
    fitShip();
    player.warpWorld(script.startWorld);
    enterWorld(script.startWorld, now);
}

Campaign::Campaign(const CampaignScript& script, Universe& universe, const SavedCampaign& save, int now)
    : script(script),
      universe(universe),
      player(*universe.player),
      difficulty(chosenDifficulty(script, save.run.difficulty)),
      fullHealth(player.health),
      run(save.run),
      cleared(universe.worlds.size(), false) {
    run.difficulty = difficulty.name;
    showHits(universe);
    fitShip();
    for (const Upgrade& upgrade : save.upgrades) {
        applyUpgrade(upgrade);
        upgrades.push_back(upgrade);
    }
    for (int number : save.cleared) {
        if (number >= 0 && static_cast<size_t>(number) < cleared.size()) cleared[static_cast<size_t>(number)] = true;
    }
    player.warpWorld(save.world);
    enterWorld(save.world, now);
    respawn = save.respawn;
    if (save.here) resumeWorld(*this, *save.here, now);
    if (!save.here || !save.here->ship) placeShip();
    player.health = std::min(save.health, fullHealth);
}

void Campaign::update(int now, int dt) {
    if (player.getWorld() != world) {
        takeLosses(world);
        enterWorld(player.getWorld(), now);
    }
    takeLosses(world);
    letEscapedShipsGo(now);
    keepInside(now, dt);
    if (spawner && spawner->update(now, currentWorld(), player.position, worldCentre(currentWorld()))) {
        std::string count = script.world(world)->goal == WorldGoal::waves
                                ? " of " + std::to_string(spawner->waveCount())
                                : "";
        say("Wave " + std::to_string(spawner->wavesBegun()) + count, now, MessageKind::wave);
    }
    checkGoal(now);
    if (!player.destroyed && player.health <= 0) {
        destroyShip(now);
    } else if (player.destroyed && !lost && now >= respawnAt) {
        respawnShip(now);
    }
    landAndRepair(now, dt);
    offerUpgrades();
    if (!ended()) run.timeMs += dt;
    dropOldMessages(now);
}

void Campaign::say(const std::string& text, int now, MessageKind kind, int forMs) {
    std::cout << text << std::endl;
    for (CampaignMessage& message : messages) {
        if (message.text == text) {
            message.until = std::max(message.until, now + forMs);
            message.forMs = std::max(message.forMs, forMs);
            return;
        }
    }
    for (CampaignMessage& message : messages) {
        if (kind != MessageKind::other && message.kind == kind) {
            message = CampaignMessage{text, now + forMs, forMs, kind};
            return;
        }
    }
    messages.push_back(CampaignMessage{text, now + forMs, forMs, kind});
}

// A message waiting its turn starts its time when it shows.
void Campaign::dropOldMessages(int now) {
    messages.erase(std::remove_if(messages.begin(), messages.end(),
                                  [now](const CampaignMessage& message) { return message.until <= now; }),
                   messages.end());
    for (size_t i = messagesShown; i < messages.size(); ++i) messages[i].until = now + messages[i].forMs;
}

WorldState& Campaign::currentWorld() { return universe[world]; }

// The campaign's ship carries the script's shield, full, and its laser's reach.
void Campaign::fitShip() {
    player.shieldCapacity = script.shield.capacity;
    player.shieldPoints = script.shield.capacity;
    player.shieldQuietMs = script.shield.quietMs;
    player.shieldPerMs = script.shield.perSecond / 1000;
    player.upgrades.laserReach = script.laserReach;
}

void Campaign::noteNewWorlds() {
    if (cleared.size() < universe.worlds.size()) cleared.resize(universe.worlds.size(), false);
}

// The ship enters where it stands: that is where a new one appears until it
// lands somewhere. An uncleared world keeps its wormholes closed and starts
// empty, whatever an earlier run left in it.
void Campaign::enterWorld(int number, int now) {
    world = number;
    WorldState& state = currentWorld();
    worldKills = 0;
    respawn = RespawnPoint{};
    respawn.position = player.position;
    spawner.reset();
    const WorldScript* block = script.world(number);
    bool open = cleared[static_cast<size_t>(number)];
    if (!open) {
        state.ships.clear();
        state.projectiles.clear();
    }
    if (!open && block != nullptr && !block->waves.empty()) {
        spawner = std::make_unique<WaveSpawner>(script, *block, difficulty, block->goal == WorldGoal::kills,
                                                static_cast<unsigned>(std::rand()));
    }
    for (Wormhole& wormhole : state.wormholes) wormhole.open = open;
    std::string goal = goalText();
    say(worldName(number) + (open || goal.empty() ? "" : ": " + goal), now, MessageKind::world, worldMessageMs);
}

// Every enemy destroyed counts towards the world's goal: by the player's
// weapons, spent in a ram, or fallen into a star or planet. Only the
// weapons' kills score.
void Campaign::takeLosses(int number) {
    WorldState& state = universe[number];
    for (const ShipLoss& loss : state.shipLosses) {
        if (number == world) ++worldKills;
        if (loss.cause != LossCause::destroyed) continue;
        ++run.kills;
        run.score += pointsFor(loss.type);
    }
    state.shipLosses.clear();
}

// A ship that gets away is not destroyed: it leaves, and its wave sends it again.
void Campaign::letEscapedShipsGo(int now) {
    bool escaped = false;
    keepWhere(currentWorld().ships, [&](const Ship& ship) {
        bool gone = pointDistance(ship.position, player.position) > script.escapeDistance;
        if (gone && spawner) spawner->comeBack(ship.tag);
        escaped = escaped || gone;
        return !gone;
    });
    if (escaped) say("An enemy got away; it will be back", now, MessageKind::other);
}

// Past the soft edge the ship is pushed back towards the world's centre,
// harder the farther out, so the world's hard edge is never in view.
void Campaign::keepInside(int now, int dt) {
    float out = std::hypot(player.position.x, player.position.y);
    bool beyond = out > script.edgeDistance && !player.destroyed && !player.landed;
    if (beyond) {
        float push = edgePushPerMs * std::min(1.0f, (out - script.edgeDistance) / edgePushRamp) * dt;
        player.addVelocity(point{-player.position.x / out * push, -player.position.y / out * push});
        if (!pastEdge) say("The edge of the system: turning back", now, MessageKind::other);
    }
    pastEdge = beyond;
}

int Campaign::killTarget() const {
    const WorldScript* block = script.world(world);
    int target = block != nullptr ? block->killTarget : 0;
    return scaledCount(target, difficulty.countFactor);
}

void Campaign::checkGoal(int now) {
    if (cleared[static_cast<size_t>(world)]) return;
    const WorldScript* block = script.world(world);
    bool met = block == nullptr || (block->goal == WorldGoal::kills ? worldKills >= killTarget()
                                                                    : spawner == nullptr || spawner->finished());
    if (met) clearWorld(now);
}

void Campaign::clearWorld(int now) {
    cleared[static_cast<size_t>(world)] = true;
    ++run.worlds;
    spawner.reset();
    const WorldScript* block = script.world(world);
    std::vector<std::string> leadsTo;
    for (Wormhole& wormhole : currentWorld().wormholes) {
        wormhole.open = true;
        std::string name = worldName(wormhole.destinationWorld);
        if (std::find(leadsTo.begin(), leadsTo.end(), name) == leadsTo.end()) leadsTo.push_back(name);
    }
    if (block != nullptr) run.score += block->bonus;
    if (block != nullptr && block->final) {
        won = true;
        wonAt = now;
        say("Victory! The campaign is won", now, MessageKind::world, worldMessageMs);
        playSound(SoundEffect::victory);
        return;
    }
    std::string text = worldName(world) + " cleared";
    if (block != nullptr && block->bonus > 0) text += ", bonus " + std::to_string(block->bonus);
    if (!leadsTo.empty()) text += ": wormholes open to " + listed(leadsTo);
    say(text, now, MessageKind::world, worldMessageMs);
    playSound(SoundEffect::worldCleared);
    saveWanted = true;
}

void Campaign::destroyShip(int now) {
    largeExplosion(player.position, currentWorld(), now);
    playSound(SoundEffect::shipDestroyed);
    player.destroyed = true;
    player.landed = false;
    player.velocity = point{0, 0};
    player.thrustLevel = 0;
    ++run.deaths;
    if (spareShips == 0) {
        lost = true;
        lostAt = now;
        say("The last ship is lost: the run is over", now, MessageKind::world, worldMessageMs);
        return;
    }
    if (spareShips > 0) --spareShips;
    say(shipsLeftText("Ship destroyed"), now, MessageKind::ship, std::max(script.respawnMs, messageMs));
    run.score -= std::llround(run.score * script.deathCostPercent / 100.0);
    respawnAt = now + script.respawnMs;
}

// On a respawn planet the ship stands landed on the side facing away from
// its star, wherever the orbit has carried the planet.
void Campaign::placeShip() {
    player.velocity = point{0, 0};
    player.landed = false;
    player.launchCharge = 0;
    player.thrustLevel = 0;
    player.position = respawn.position;
    std::vector<Star>& stars = currentWorld().stars;
    if (respawn.onPlanet() && static_cast<size_t>(respawn.star) < stars.size() &&
        static_cast<size_t>(respawn.planet) < stars[static_cast<size_t>(respawn.star)].planets.size()) {
        Star& star = stars[static_cast<size_t>(respawn.star)];
        Planet& planet = star.planets[static_cast<size_t>(respawn.planet)];
        point centre = orbitPosition(star, planet);
        float away = std::atan2(centre.y - star.position.y, centre.x - star.position.x);
        float surface = planet.radius + player.radius;
        planet.landingAngle = away;
        player.position = point{centre.x + surface * std::cos(away), centre.y + surface * std::sin(away)};
        player.setAngle(away);
        player.setLanded();
        player.gentleTouchDown = true;
    }
    player.trail.clear(player.position);
    wasLanded = player.landed;
}

void Campaign::respawnShip(int now) {
    player.destroyed = false;
    player.health = fullHealth;
    player.shieldPoints = player.shieldCapacity;
    player.shieldTime = shieldMs;
    placeShip();
    playSound(SoundEffect::respawn);
    const std::vector<Star>& stars = currentWorld().stars;
    say(player.landed ? "A new ship, on " + stars[static_cast<size_t>(respawn.star)].planets[static_cast<size_t>(respawn.planet)].name
                      : "A new ship",
        now, MessageKind::ship);
}

// A gentle touch-down makes the planet under the ship the respawn point and
// asks for a save; while the ship stays there it is repaired.
void Campaign::landAndRepair(int now, int dt) {
    bool landedGently = player.landed && player.gentleTouchDown && !player.destroyed;
    if (landedGently && !wasLanded) {
        std::vector<Star>& stars = currentWorld().stars;
        float nearest = std::numeric_limits<float>::infinity();
        for (size_t s = 0; s < stars.size(); ++s) {
            for (size_t p = 0; p < stars[s].planets.size(); ++p) {
                const Planet& planet = stars[s].planets[p];
                float gap = pointDistance(planet.position, player.position) - planet.radius;
                if (gap < nearest) {
                    nearest = gap;
                    respawn = RespawnPoint{static_cast<int>(s), static_cast<int>(p), planet.position};
                }
            }
        }
        if (respawn.onPlanet()) {
            say(stars[static_cast<size_t>(respawn.star)].planets[static_cast<size_t>(respawn.planet)].name +
                    ": repairing; a new ship would start here",
                now, MessageKind::landing);
        }
        saveWanted = true;
    }
    wasLanded = landedGently;
    if (!landedGently || player.health >= fullHealth) return;
    player.health = std::min(fullHealth, player.health + script.repairPerSecond * repairFactor * dt / 1000.0f);
    if (player.health >= fullHealth) {
        playSound(SoundEffect::repair);
        say("Repaired", now, MessageKind::landing);
    }
}

std::string worldNameIn(const CampaignScript& script, const Universe& universe, int number) {
    const WorldScript* block = script.world(number);
    return block != nullptr ? block->name : starName(universe, number);
}

std::string Campaign::worldName(int number) const { return worldNameIn(script, universe, number); }

long long Campaign::pointsFor(int type) const {
    return std::llround(script.pointsFor(type) * difficulty.scoreFactor);
}

std::string Campaign::objectiveText() const {
    if (won) return "The campaign is won";
    if (lost) return "The run is over";
    std::string name = worldName(world);
    if (cleared[static_cast<size_t>(world)]) {
        bool exits = !universe.worlds[static_cast<size_t>(world)].wormholes.empty();
        return name + (exits ? ": cleared; fly through a wormhole" : ": cleared");
    }
    std::string goal = goalText();
    if (goal.empty()) return name;
    if (script.world(world)->goal == WorldGoal::kills) {
        return name + ": " + goal + " (" + std::to_string(worldKills) + " so far)";
    }
    int wave = spawner ? std::max(spawner->wavesBegun(), 1) : 1;
    return name + ": " + goal + " (wave " + std::to_string(wave) + ")";
}

std::string Campaign::goalText() const {
    const WorldScript* block = script.world(world);
    if (block == nullptr || block->waves.empty()) return "";
    if (block->goal == WorldGoal::kills) return "destroy " + std::to_string(killTarget()) + " enemies";
    size_t waves = block->waves.size();
    return "destroy every ship of " + std::to_string(waves) + (waves == 1 ? " wave" : " waves");
}

std::string Campaign::scoreText() const {
    std::string text = "Score " + std::to_string(run.score) + "   Kills " + std::to_string(run.kills) + "   Deaths " +
                       std::to_string(run.deaths) + "   Time " + playTime(run.timeMs);
    return spareShips >= 0 ? text + "   Ships " + std::to_string(spareShips + 1) : text;
}

std::string Campaign::shipsLeftText(const std::string& first) const {
    if (spareShips < 0) return first;
    return first + ": " + std::to_string(spareShips) + (spareShips == 1 ? " ship left" : " ships left");
}

bool Campaign::takeSaveRequest() {
    bool wanted = saveWanted;
    saveWanted = false;
    return wanted;
}

// A ship lost and not yet replaced comes back whole, so it is saved as whole.
SavedCampaign Campaign::progress(int now) const {
    SavedCampaign save;
    save.run = run;
    save.world = world;
    for (size_t number = 0; number < cleared.size(); ++number) {
        if (cleared[number]) save.cleared.push_back(static_cast<int>(number));
    }
    save.respawn = respawn;
    save.health = player.destroyed || player.health <= 0 ? fullHealth : player.health;
    save.upgrades = upgrades;
    save.here = worldProgress(*this, now);
    return save;
}

size_t Campaign::upgradesEarned() const {
    size_t earned = 0;
    for (const WorldScript& block : script.worlds) {
        bool clearedHere = block.world >= 0 && static_cast<size_t>(block.world) < cleared.size() &&
                           cleared[static_cast<size_t>(block.world)];
        if (clearedHere && !block.final && !block.waves.empty()) ++earned;
    }
    return earned;
}

// The nth choice of a run is drawn from its seed and n alone.
void Campaign::offerUpgrades() {
    if (!upgradeTable || upgradeTable->upgrades.empty() || ended() || !offer.empty() ||
        upgrades.size() >= upgradesEarned()) {
        return;
    }
    for (size_t index : upgradeTable->drawChoice(run.seed, static_cast<int>(upgrades.size()))) {
        offer.push_back(upgradeTable->upgrades[index]);
    }
}

void Campaign::takeUpgrade(size_t choice, int now) {
    if (choice >= offer.size()) return;
    Upgrade taken = offer[choice];
    offer.clear();
    applyUpgrade(taken);
    upgrades.push_back(taken);
    say("Upgrade: " + taken.text, now, MessageKind::other);
    saveWanted = true;
}

// Each upgrade acts on top of those before it.
void Campaign::applyUpgrade(const Upgrade& upgrade) {
    float factor = 1 + upgrade.amount / 100;
    ShipUpgrades& weapons = player.upgrades;
    switch (upgrade.kind) {
        case UpgradeKind::hull: {
            float more = fullHealth * (factor - 1);
            fullHealth += more;
            if (!player.destroyed) player.health += more;
            break;
        }
        case UpgradeKind::thrust:
            player.forwardAccel *= factor;
            player.reverseAccel *= factor;
            break;
        case UpgradeKind::turn: player.turnRate *= factor; break;
        case UpgradeKind::gunRate: weapons.gunRate *= factor; break;
        case UpgradeKind::gunDamage: weapons.gunDamage *= factor; break;
        case UpgradeKind::gunSpread:
            weapons.gunSpread = std::min(weapons.gunSpread + static_cast<int>(upgrade.amount), mostSpreadShots);
            break;
        case UpgradeKind::laserReach: weapons.laserReach *= factor; break;
        case UpgradeKind::laserDamage: weapons.laserDamage *= factor; break;
        case UpgradeKind::shockwaveRadius: weapons.shockwaveRadius *= factor; break;
        case UpgradeKind::shockwavePull: weapons.shockwavePullPerMs += upgrade.amount / 1000; break;
        case UpgradeKind::shieldRecharge: player.shieldPerMs += upgrade.amount / 1000; break;
        case UpgradeKind::repair: repairFactor *= factor; break;
    }
}
