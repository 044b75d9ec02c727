// Frame cost of the real game loop as the world fills up, and in a battle on
// screen, and of the HUD's overlays alone, against the least any frame must
// do (two dust layers and a buffer swap). Prints figures only.
// Run it inside data/, like the game: it loads the data as start-up does.
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "hud/ClassicOverlays.h"
#include "app/Startup.h"
#include "assets/Tables.h"
#include "campaign/Campaign.h"
#include "campaign/CampaignScript.h"
#include "campaign/CampaignSetup.h"
#include "combat/Targeting.h"
#include "combat/TExplosion.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Platform.h"
#include "desktop/GraphicsSetup.h"
#include "assets/NamedImages.h"
#include "endless/EndlessRun.h"
#include "endless/WaveMaker.h"
#include "endless/WorldGenerator.h"

namespace {
const int warmupFrames = 5;
const int measuredFrames = 60;

struct Figures {
    double median;
    double low;   // 10th percentile
    double high;  // 90th percentile
};

Figures summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[static_cast<size_t>(q * (times.size() - 1))]; };
    return Figures{at(0.5), at(0.1), at(0.9)};
}

template <typename Frame>
double timeOneFrame(Frame frame) {
    glFinish();
    auto start = std::chrono::steady_clock::now();
    frame();
    glFinish();
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count();
}

struct Timed {
    Figures frame;
    Figures dust;  // the dust-only frames taken in turn with the row's own
};

// The row's frames, each followed by a dust-only frame, so that both meet the
// machine in the same state: a machine that gets busier or quieter during the
// run moves both alike and leaves their ratio. `prepare` runs before every
// frame of the row, outside the timing.
template <typename Frame, typename Dust, typename Prepare>
Timed measure(Frame frame, Dust dust, Prepare prepare) {
    for (int i = 0; i < warmupFrames; ++i) {
        prepare();
        frame();
        dust();
    }
    std::vector<double> frameTimes;
    std::vector<double> dustTimes;
    for (int i = 0; i < measuredFrames; ++i) {
        prepare();
        frameTimes.push_back(timeOneFrame(frame));
        dustTimes.push_back(timeOneFrame(dust));
    }
    return Timed{summarise(frameTimes), summarise(dustTimes)};
}

bool openWindow() {
    if (initWindowingLibrary(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) {
        std::printf("SDL init failed: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(w, h, 32, SDL_OPENGL) || glewInit() != GLEW_OK) {
        std::printf("Could not open the OpenGL window: %s\n", SDL_GetError());
        return false;
    }
    glViewport(0, 0, w, h);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    return true;
}

// A deterministic spot anywhere in the world.
point spreadSpot(int i, int salt) {
    auto coordinate = [](unsigned n) {
        n = n * 2654435761u;
        n ^= n >> 13;
        return static_cast<float>(n % 200000) - 100000.0f;
    };
    return point{coordinate(static_cast<unsigned>(i * 2 + salt * 7919)),
                 coordinate(static_cast<unsigned>(i * 2 + 1 + salt * 7919))};
}

void clearWorld(WorldState& world) {
    world.ships.clear();
    world.projectiles.clear();
    world.timers.clear();
}

void addEvents(WorldState& world, int events, int now, point (*spot)(int, int, point), point centre) {
    for (int i = 0; i < events; ++i) {
        auto event = std::make_unique<TExplosion>(now, 100000000, spot(i, 3, centre));
        event->endTime = 0;
        addTimer(std::move(event), world);
    }
}

// Ships, projectiles and events spread over the whole world, so a handful
// are on screen and all are stepped.
void fill(Universe& universe, int ships, int projectiles, int events, int now) {
    WorldState& world = universe.currentWorld();
    clearWorld(world);
    for (int i = 0; i < ships; ++i) {
        world.ships.push_front(Ship(spreadSpot(i, 1), 1));
    }
    for (int i = 0; i < projectiles; ++i) {
        world.projectiles.push_front(Projectile(spreadSpot(i, 2), 1, 0.5f, 1.0f, world, 0, true, -1, 0, 0));
    }
    addEvents(world, events, now, [](int i, int salt, point) { return spreadSpot(i, salt); }, point{});
}

// A spot in the view round `centre`, 900 to 2000 units out.
point battleSpot(int i, int salt, point centre) {
    float angle = static_cast<float>((i * 7919 + salt * 131) % 3600) / 10.0f;
    float distance = 900.0f + static_cast<float>((i * 104729 + salt) % 1100);
    return point{centre.x + distance * std::cos(angle), centre.y + distance * std::sin(angle)};
}

// The ship's trail as if it had flown in a straight line at its velocity.
void fillTrail(Ship& ship) {
    Trail& trail = ship.trail;
    int n = trail.sampleCount;
    for (int i = 0; i <= n; ++i) {
        float back = static_cast<float>(trail.sampleInterval * (n - i));
        trail.ring[i] = point{ship.position.x - ship.velocity.x * back, ship.position.y - ship.velocity.y * back};
    }
    trail.head = n;
}

const int battleShips = 300;
// Longer than any row takes.
const int shieldedMs = 1 << 30;
const int battleShots = 300;
const int battleEvents = 50;

// Keep-range ships too tough to die, circling round the player with their
// trails, explosions, and shots topped up before every frame.
void fillBattle(Universe& universe, int now) {
    WorldState& world = universe.currentWorld();
    clearWorld(world);
    point centre = universe.player->position;
    for (int i = 0; i < battleShips; ++i) {
        Ship ship(battleSpot(i, 1, centre), 0);
        point out{ship.position.x - centre.x, ship.position.y - centre.y};
        float length = std::sqrt(out.x * out.x + out.y * out.y);
        ship.velocity = point{-out.y / length * 0.8f, out.x / length * 0.8f};
        ship.health = 1e9f;
        fillTrail(ship);
        world.ships.push_front(ship);
    }
    addEvents(world, battleEvents, now, battleSpot, centre);
}

void topUpBattleShots(Universe& universe) {
    WorldState& world = universe.currentWorld();
    point centre = universe.player->position;
    for (int i = static_cast<int>(world.projectiles.size()); i < battleShots; ++i) {
        point p = battleSpot(i, 2, centre);
        world.projectiles.push_front(Projectile(p, p.y - centre.y, centre.x - p.x, 1.0f, world, 0, true, -1, 0, 0));
    }
}

// The types of the most ships one of the world's waves has alive at once,
// as the wave spawner scales them by `factor`, if more than `largest` has.
void takeLargestWave(const WorldScript& world, float factor, std::vector<int>& largest) {
    auto scaled = [&](int count) { return std::max(1, static_cast<int>(std::lround(count * factor))); };
    for (const Wave& wave : world.waves) {
        std::vector<int> types;
        for (const ShipsLine& line : wave.ships) {
            types.insert(types.end(), static_cast<size_t>(std::min(scaled(line.cap), scaled(line.total))), line.type);
        }
        if (types.size() > largest.size()) largest = types;
    }
}

// The most ships a wave of the shipped campaign has alive at once, at the
// difficulty that sends the most, as the wave spawner scales them: their
// types. Empty when the data set has no campaign.
std::vector<int> largestWave() {
    CampaignScript script;
    if (!readCampaignScript(campaignScriptFile, SHIPDATA.size(), script)) return {};
    float factor = 1;
    for (const Difficulty& difficulty : script.difficulties) factor = std::max(factor, difficulty.countFactor);
    std::vector<int> largest;
    for (const WorldScript& world : script.worlds) takeLargestWave(world, factor, largest);
    return largest;
}

// The 40 ships of the roster a busy fight might hold: every type but the
// Dreadnought, a third of them armed.
std::vector<int> mixedCrowd() {
    const int roster[] = {2, 2, 4, 3, 5, 4, 6, 2, 4, 5, 2, 4};
    std::vector<int> types;
    for (int i = 0; i < 40; ++i) types.push_back(std::min(roster[i % 12], static_cast<int>(SHIPDATA.size()) - 1));
    return types;
}

// Shots an armed ship has in flight when it fires for as long as its shot lives.
int shotsInFlight(const Ship& ship) {
    if (!ship.armed() || ship.fireIntervalMs <= 0) return 0;
    return static_cast<int>(std::ceil(weaponStat(ship.weapon, LIFETIME) / ship.fireIntervalMs));
}

// The wave round the player, every ship with its trail, a third of them
// flashing from a hit, and each armed one's shots on their way to the
// player (`shotsEach` of them, or as many as its gun keeps in flight when
// negative); put back before every frame, as rams and hits change it.
void fillWave(Universe& universe, const std::vector<int>& types, int shotsEach, int& shots) {
    WorldState& world = universe.currentWorld();
    clearWorld(world);
    point centre = universe.player->position;
    shots = 0;
    for (size_t i = 0; i < types.size(); ++i) {
        Ship ship(battleSpot(static_cast<int>(i), 5, centre), types[i]);
        point in{centre.x - ship.position.x, centre.y - ship.position.y};
        float length = std::sqrt(in.x * in.x + in.y * in.y);
        ship.velocity = point{in.x / length * 0.5f, in.y / length * 0.5f};
        ship.health = 1e9f;
        ship.flashMs = i % 3 == 0 ? Ship::flashDurationMs : 0;
        fillTrail(ship);
        int armedShots = !ship.armed() ? 0 : shotsEach >= 0 ? shotsEach : shotsInFlight(ship);
        for (int n = 0; n < armedShots; ++n, ++shots) {
            float along = 0.15f + 0.7f * n / armedShots;
            Projectile shot(point{ship.position.x + in.x * along, ship.position.y + in.y * along}, in.x, in.y,
                            weaponStat(ship.weapon, GUNSPEED), world, ship.weapon, false, -1, 0, 0);
            shot.hostile = true;
            world.projectiles.push_front(shot);
        }
        world.ships.push_back(ship);
    }
}

void printRow(const char* label, int ships, int projectiles, int events, const Timed& t) {
    const Figures& f = t.frame;
    std::printf("%-10s %6d %6d %6d %10.2f %8.2f-%-8.2f %8.1f %8.2f %8.2f\n", label, ships, projectiles, events,
                f.median, f.low, f.high, f.median > 0 ? 1000.0 / f.median : 0.0, t.dust.median,
                t.dust.median > 0 ? f.median / t.dust.median : 0.0);
}
// What is drawn over the world, timed alone beside the dust-only frame: the
// classic picture's status lines, radar and map; the campaign's HUD with its
// labels and markers (the radar stays, the map and the status lines give way
// to it); and the large map, which covers the whole picture. The campaign's
// first world is cleared, so that its wormholes are open and marked, and the
// planet where new ships start is off screen; the battle goes on round the ship.
// The busiest of the first ten worlds a seed makes, built as an endless run
// builds it, with its largest wave (as normal sends it) round the ship where
// it comes in, firing.
template <typename Dust>
void printEndlessRow(Startup& startup, Dust dust) {
    const uint64_t seed = 1;
    int number = busiestWorld(seed, 10);
    EndlessRun run(seed, startup.campaignScript);
    Universe universe;
    run.keepAhead(number, universe);
    loadNamedImages();
    Player pilot(*startup.player);
    universe.player = &pilot;
    relinkEmitters(universe);
    pilot.warpWorld(number);
    pilot.position = generateWorld(seed, number).arrival;
    universe.currentWorld().hitFeedback = true;
    std::vector<int> wave;
    takeLargestWave(*run.script.world(number), endlessDifficulty(run.script).countFactor, wave);
    FrameState state;
    state.clockTime = SDL_GetTicks();
    state.spawnIntervalMs = 1e9f;
    int shots = 0;
    fillWave(universe, wave, -1, shots);
    printRow("endless", static_cast<int>(wave.size()), shots, 0,
             measure([&] { runFrame(state, universe, *startup.font); }, dust,
                     [&] { fillWave(universe, wave, -1, shots); }));
}

template <typename Dust>
void printOverlayRows(Startup& startup, Dust dust) {
    Universe universe = freshUniverse(startup.campaignUniverse);
    Player pilot(*startup.player);
    universe.player = &pilot;
    int now = static_cast<int>(SDL_GetTicks());
    Campaign campaign(startup.campaignScript, universe, startup.campaignScript.difficulties.front(), now);
    campaign.cleared[static_cast<size_t>(campaign.world)] = true;
    for (Wormhole& wormhole : universe.currentWorld().wormholes) wormhole.open = true;
    campaign.respawn = RespawnPoint{0, 2, point{0, 0}};
    fillBattle(universe, now);
    FrameState state;
    state.fpsText = "FPS: 60";
    Font& font = *startup.font;
    auto overWorld = [&] {
        setCamera(state.camera, pilot.position);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        drawOverWorld(state, universe, font, pilot.position, now);
    };
    Timed classic = measure(overWorld, dust, [] {});
    printRow("classic", battleShips, 0, 0, classic);
    state.campaign = &campaign;
    state.shown.hud = true;
    state.shown.statusLines = false;
    Timed hud = measure(overWorld, dust, [] {});
    printRow("hud", battleShips, 0, 0, hud);
    state.shown.largeMap = true;
    Timed map = measure(overWorld, dust, [] {});
    printRow("large map", battleShips, 0, 0, map);
    auto beyondClassic = [&](const Timed& t) {
        return (t.frame.median - classic.frame.median) / (t.dust.median + classic.dust.median) * 2;
    };
    std::printf("Over the classic picture's panels and lines, in dust-only frames: the HUD with its labels and\n"
                "markers %+.3f, the large map %+.3f (a frame with it open draws no dust: see battle+map)\n",
                beyondClassic(hud), beyondClassic(map));
}

// The busiest moment of the campaign as a player sees it: its largest wave
// round the ship, firing, the ship moving and firing back, with the HUD, its
// labels and markers and the flight readouts (the velocity mark ahead of the
// ship), times the dust-only frame: at most 1.3. The first world is cleared,
// so that its wormhole is open and marked; the ship is shielded, so that it
// stays in the fight.
template <typename Dust>
void printBusiestCampaignRow(Startup& startup, Dust dust) {
    std::vector<int> wave = largestWave();
    if (wave.empty()) return;
    Universe universe = freshUniverse(startup.campaignUniverse);
    Player ship(*startup.player);
    universe.player = &ship;
    FrameState state;
    state.clockTime = SDL_GetTicks();
    Campaign campaign(startup.campaignScript, universe, startup.campaignScript.difficulties.front(),
                      static_cast<int>(state.clockTime));
    campaign.cleared[static_cast<size_t>(campaign.world)] = true;
    campaign.spawner.reset();
    for (Wormhole& wormhole : universe.currentWorld().wormholes) wormhole.open = true;
    state.campaign = &campaign;
    state.shown.hud = true;
    state.shown.statusLines = false;
    state.shown.flight = true;
    state.cursor = point{70, 60};
    int shots = 0;
    auto refill = [&] {
        fillWave(universe, wave, -1, shots);
        ship.shieldTime = shieldedMs;
        ship.velocity = point{0.9f, 0.4f};
    };
    refill();
    setKeyHeld(SDLK_SPACE, true);
    Font& font = *startup.font;
    printRow("wave+hud", static_cast<int>(wave.size()), shots, 0,
             measure([&] { runFrame(state, universe, font); }, dust, refill));
    releaseAllKeys();
    std::printf("The campaign's largest wave with the HUD and the flight readouts: goal at most 1.3 x dust\n");
}
}  // namespace

int main() {
    if (!openWindow()) {
        return 1;
    }
    Startup startup;
    startup.withCampaign = true;
    if (!startup.loadAll()) {
        return 1;
    }
    Universe& universe = startup.universe;
    Font& font = *startup.font;

    FrameState state;
    state.clockTime = SDL_GetTicks();
    state.spawnTicks = state.clockTime;
    state.spawnIntervalMs = 1e9f;  // the bench sets the population itself

    // Drawn as every game frame draws its background: with the normal blending
    // that the previous frame left set.
    auto dustOnly = [&] {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        setCamera(state.camera, universe.player->position);
        drawBackground();
        SDL_GL_SwapBuffers();
        glClear(GL_COLOR_BUFFER_BIT);
    };
    auto gameFrame = [&] { runFrame(state, universe, font); };
    auto nothing = [] {};

    std::printf("\nFrame cost, %d frames each (ms: median, 10th-90th percentile), each followed by a\n"
                "dust-only frame (the least any frame does), whose median divides the row's\n",
                measuredFrames);
    std::printf("%-10s %6s %6s %6s %10s %17s %8s %8s %8s\n", "frame", "ships", "shots", "events", "ms/frame",
                "spread", "fps", "dust ms", "x dust");
    printRow("dust only", 0, 0, 0, measure(dustOnly, dustOnly, nothing));
    for (int ships : {0, 500, 2000, 2500, 5000}) {
        int projectiles = ships / 2;
        int events = ships / 5;
        fill(universe, ships, projectiles, events, static_cast<int>(SDL_GetTicks()));
        printRow("full", ships, projectiles, events, measure(gameFrame, dustOnly, nothing));
    }

    fillBattle(universe, static_cast<int>(SDL_GetTicks()));
    setKeyHeld(SDLK_SPACE, true);
    universe.player->weapon = 1;
    state.cursor = point{70, 60};
    printRow("battle", battleShips, battleShots, battleEvents,
             measure(gameFrame, dustOnly, [&] { topUpBattleShots(universe); }));
    state.shown.largeMap = true;
    printRow("battle+map", battleShips, battleShots, battleEvents,
             measure(gameFrame, dustOnly, [&] { topUpBattleShots(universe); }));
    state.shown.largeMap = false;
    releaseAllKeys();

    universe.currentWorld().hitFeedback = true;
    std::vector<int> wave = largestWave();
    if (!wave.empty()) {
        int shots = 0;
        fillWave(universe, wave, -1, shots);
        printRow("wave", static_cast<int>(wave.size()), shots, 0,
                 measure(gameFrame, dustOnly, [&] { fillWave(universe, wave, -1, shots); }));
    }
    std::vector<int> crowd = mixedCrowd();
    int crowdShots = 0;
    fillWave(universe, crowd, 5, crowdShots);
    printRow("mixed 40", static_cast<int>(crowd.size()), crowdShots, 0,
             measure(gameFrame, dustOnly, [&] { fillWave(universe, crowd, 5, crowdShots); }));
    universe.currentWorld().hitFeedback = false;
    if (startup.campaign && SHIPDATA.size() >= static_cast<size_t>(generatedShipTypes)) {
        printEndlessRow(startup, dustOnly);
    }
    if (startup.campaign) printOverlayRows(startup, dustOnly);
    if (startup.campaign) printBusiestCampaignRow(startup, dustOnly);
    SDL_Quit();
    return 0;
}
