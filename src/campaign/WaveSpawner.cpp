#include "campaign/WaveSpawner.h"

#include <algorithm>
#include <cmath>

#include "combat/Ship.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "world/WorldState.h"

namespace {

const int placeAttempts = 20;
// A ship farther than this from its world's bodies meets its enemies coming
// from their side, so a fight drifts back to them rather than away.
const float homeReach = 8000;
const float halfTurn = 3.14159265f;

std::vector<Wave> scaledWaves(const std::vector<Wave>& waves, float factor) {
    std::vector<Wave> result = waves;
    for (Wave& wave : result) {
        for (ShipsLine& ships : wave.ships) {
            ships.total = scaledCount(ships.total, factor);
            ships.atOnce = scaledCount(ships.atOnce, factor);
            ships.cap = scaledCount(ships.cap, factor);
        }
    }
    return result;
}

bool insideWorld(point p) { return std::fabs(p.x) <= XBOUND && std::fabs(p.y) <= YBOUND; }

}  // namespace

WaveSpawner::WaveSpawner(const CampaignScript& campaign, const WorldScript& world, const Difficulty& difficulty,
                         bool repeatLast, unsigned seed)
    : campaign(campaign),
      damageFactor(difficulty.damageFactor),
      repeatLast(repeatLast),
      waves(scaledWaves(world.waves, difficulty.countFactor)),
      random(seed) {
    int tag = 0;
    for (const Wave& wave : waves) {
        firstTag.push_back(tag);
        tag += static_cast<int>(wave.ships.size());
    }
    done = waves.empty();
}

bool WaveSpawner::finished() const { return done; }

// A time long past is as good as now.
WaveProgress WaveSpawner::progress(int now) const {
    WaveProgress saved{current, begun, std::max(0, startsAt - now), {}};
    for (const LineState& line : lines) {
        saved.lines.push_back(ShipsLineProgress{line.spawned, std::max(0, line.nextAt - now)});
    }
    return saved;
}

void WaveSpawner::resume(const WaveProgress& saved, int now) {
    current = std::clamp(saved.current, -1, waveCount() - 1);
    begun = saved.begun;
    startsAt = now + saved.startsInMs;
    lines.clear();
    for (const ShipsLineProgress& line : saved.lines) lines.push_back(LineState{line.spawned, now + line.nextInMs});
    lines.resize(current < 0 ? 0 : waves[static_cast<size_t>(current)].ships.size(), LineState{0, startsAt});
}

void WaveSpawner::begin(int wave, int now) {
    current = wave;
    ++begun;
    startsAt = now + waves[static_cast<size_t>(wave)].delayMs;
    lines.assign(waves[static_cast<size_t>(wave)].ships.size(), LineState{0, startsAt});
}

bool WaveSpawner::update(int now, WorldState& world, point centre, point home) {
    if (done) return false;
    if (current < 0) {
        begin(0, now);
        return true;
    }
    std::vector<int> alive(lines.size(), 0);
    for (const Ship& ship : world.ships) {
        int line = ship.tag - tagOf(0);
        if (line >= 0 && static_cast<size_t>(line) < alive.size()) ++alive[static_cast<size_t>(line)];
    }
    if (waveOver(alive)) {
        if (current + 1 < waveCount()) {
            begin(current + 1, now);
            return true;
        }
        if (repeatLast) {
            begin(current, now);
            return true;
        }
        done = true;
        return false;
    }
    if (now >= startsAt) spawnDue(now, world, centre, home, alive);
    return false;
}

void WaveSpawner::comeBack(int tag) {
    int line = tag - tagOf(0);
    if (current < 0 || line < 0 || static_cast<size_t>(line) >= lines.size()) return;
    LineState& state = lines[static_cast<size_t>(line)];
    state.spawned = std::max(0, state.spawned - 1);
}

bool WaveSpawner::waveOver(const std::vector<int>& alive) const {
    const std::vector<ShipsLine>& ships = waves[static_cast<size_t>(current)].ships;
    for (size_t i = 0; i < ships.size(); ++i) {
        if (lines[i].spawned < ships[i].total || alive[i] > 0) return false;
    }
    return true;
}

// A line waits its interval after each arrival; one held back by its cap,
// or by the wave's, arrives as soon as there is room.
void WaveSpawner::spawnDue(int now, WorldState& world, point centre, point home, const std::vector<int>& alive) {
    const std::vector<ShipsLine>& ships = waves[static_cast<size_t>(current)].ships;
    int room = mostAliveInWave;
    for (int count : alive) room -= count;
    for (size_t i = 0; i < ships.size(); ++i) {
        const ShipsLine& line = ships[i];
        LineState& state = lines[i];
        int count = std::min({line.atOnce, line.total - state.spawned, line.cap - alive[i], room});
        if (now < state.nextAt || count <= 0) continue;
        for (int n = 0; n < count; ++n) {
            Ship ship(spawnPoint(centre, home), line.type);
            ship.tag = tagOf(static_cast<int>(i));
            ship.damageFactor = damageFactor;
            ship.ramDamage *= damageFactor;
            float away = pointDistance(centre, ship.position);
            if (ship.drifts() && away > 0) {
                float speed = std::max(ship.topSpeed, 0.0f) / away;
                ship.velocity = point{(centre.x - ship.position.x) * speed, (centre.y - ship.position.y) * speed};
            }
            world.ships.push_back(ship);
        }
        state.spawned += count;
        state.nextAt = now + line.intervalMs;
        room -= count;
    }
}

// At a random angle and distance from the ship, inside the world: any angle
// near the world's bodies, else within a quarter turn of the way to them.
// Near an edge, the first of a few tries that lands inside, else the last
// one pulled in.
point WaveSpawner::spawnPoint(point centre, point home) {
    bool far = pointDistance(centre, home) > homeReach;
    float toHome = std::atan2(home.y - centre.y, home.x - centre.x);
    std::uniform_real_distribution<float> angle(far ? toHome - halfTurn / 2 : 0,
                                                far ? toHome + halfTurn / 2 : 2 * halfTurn);
    std::uniform_real_distribution<float> distance(campaign.spawnLeast, campaign.spawnMost);
    point p = centre;
    for (int attempt = 0; attempt < placeAttempts; ++attempt) {
        float a = angle(random);
        float d = distance(random);
        p = point{centre.x + d * std::cos(a), centre.y + d * std::sin(a)};
        if (insideWorld(p)) return p;
    }
    return point{std::clamp(p.x, -XBOUND, XBOUND), std::clamp(p.y, -YBOUND, YBOUND)};
}
