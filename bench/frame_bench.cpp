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
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
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
#include "endless/EndlessRun.h"
#include "endless/WaveMaker.h"
#include "endless/WorldGenerator.h"
#include "hud/ClassicOverlays.h"
#include "assets/NamedImages.h"

namespace {
const int warmupFrames = 5;
// Frames a run times; a profiler may ask for fewer.
int measuredFrames = 60;

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

// A figure `make bench` holds a row to: at most `most` times the dust-only
// frame. A row without a name has none.
struct Goal {
    std::string name;
    double most = 0;
};

// A line of the table. Rows take turns, so `setUp` puts everything the row
// relies on in place before each of its runs; `prepare` runs before every
// frame, outside the timing.
struct Row {
    std::string name;
    int ships;
    int shots;
    int events;
    std::function<void()> frame;
    std::function<void()> setUp;
    std::function<void()> prepare;
    Goal goal;
    std::vector<Timed> runs;
};

double ratio(const Timed& t) { return t.dust.median > 0 ? t.frame.median / t.dust.median : 0.0; }

// The run least disturbed by the rest of the machine.
const Timed& bestRun(const Row& row) {
    return *std::min_element(row.runs.begin(), row.runs.end(),
                             [](const Timed& a, const Timed& b) { return ratio(a) < ratio(b); });
}

void printHeader(int runs) {
    std::printf("\nFrame cost, the best of %d runs of %d frames (ms: median, 10th-90th percentile), each\n"
                "frame followed by a dust-only frame (the least any frame does), whose median divides\n"
                "the row's; the last column gives every run's figure\n",
                runs, measuredFrames);
    std::printf("%-10s %6s %6s %6s %10s %17s %8s %8s %8s  %s\n", "frame", "ships", "shots", "events", "ms/frame",
                "spread", "fps", "dust ms", "x dust", "runs");
}

void printRow(const Row& row) {
    const Timed& t = bestRun(row);
    const Figures& f = t.frame;
    std::printf("%-10s %6d %6d %6d %10.2f %8.2f-%-8.2f %8.1f %8.2f %8.2f ", row.name.c_str(), row.ships, row.shots,
                row.events, f.median, f.low, f.high, f.median > 0 ? 1000.0 / f.median : 0.0, t.dust.median,
                ratio(t));
    for (const Timed& run : row.runs) std::printf(" %.2f", ratio(run));
    std::printf("\n");
}

void printGoal(const std::string& name, double figure, double most, const char* format) {
    std::printf("%s: ", name.c_str());
    std::printf(format, figure);
    std::printf(" (goal %g)%s\n", most, figure <= most ? "" : ", missed");
}

// What the world rows share: the game's own state and what it draws with.
struct Game {
    FrameState state;
    Universe& universe;
    Font& font;
    int startWeapon;
    std::vector<int> wave = largestWave();
    std::vector<int> crowd = mixedCrowd();
};

// The controls a row plays with: the laser held down (the cursor lies on the
// battle's ring), the large map open, the campaign's feedback on hits.
struct Scene {
    bool laser = false;
    bool largeMap = false;
    bool feedback = false;
};

void setScene(Game& game, const Scene& scene) {
    releaseAllKeys();
    setKeyHeld(SDLK_SPACE, scene.laser);
    game.universe.player->weapon = scene.laser ? 1 : game.startWeapon;
    game.state.shown.largeMap = scene.largeMap;
    game.universe.currentWorld().hitFeedback = scene.feedback;
}

// The wave rows: the campaign's largest wave, and forty of the roster's types,
// each put back before every frame.
void addWaveRows(Game& game, std::vector<Row>& rows, const std::function<void()>& frame) {
    Scene feedback;
    feedback.feedback = true;
    auto setUp = [&game, feedback] { setScene(game, feedback); };
    auto fillRow = [&game](const std::vector<int>& types, int shotsEach) {
        return [&game, &types, shotsEach] {
            int shots = 0;
            fillWave(game.universe, types, shotsEach, shots);
        };
    };
    int shots = 0;
    if (!game.wave.empty()) {
        fillWave(game.universe, game.wave, -1, shots);
        rows.push_back(Row{"wave", static_cast<int>(game.wave.size()), shots, 0, frame, setUp,
                           fillRow(game.wave, -1), Goal{"wave", 1.5}, {}});
    }
    fillWave(game.universe, game.crowd, 5, shots);
    rows.push_back(Row{"mixed 40", static_cast<int>(game.crowd.size()), shots, 0, frame, setUp,
                       fillRow(game.crowd, 5), Goal{}, {}});
}

// The current world filling up, the battle on screen, and the waves.
std::vector<Row> worldRows(Game& game, std::function<void()> dustOnly) {
    auto frame = [&game] { runFrame(game.state, game.universe, game.font); };
    auto nothing = [] {};
    std::vector<Row> rows;
    rows.push_back(Row{"dust only", 0, 0, 0, dustOnly, nothing, nothing, Goal{}, {}});
    for (int ships : {0, 500, 2000, 2500, 5000}) {
        auto setUp = [&game, ships] {
            setScene(game, Scene{});
            fill(game.universe, ships, ships / 2, ships / 5, static_cast<int>(ticks()));
        };
        Goal goal = ships == 0 ? Goal{"empty", 1.22} : Goal{};
        rows.push_back(Row{ships == 0 ? "empty" : "full " + std::to_string(ships), ships, ships / 2, ships / 5,
                           frame, setUp, nothing, goal, {}});
    }
    auto topUp = [&game] { topUpBattleShots(game.universe); };
    for (bool map : {false, true}) {
        Scene scene;
        scene.laser = true;
        scene.largeMap = map;
        auto setUp = [&game, scene] {
            setScene(game, scene);
            fillBattle(game.universe, static_cast<int>(ticks()));
        };
        Goal goal = map ? Goal{} : Goal{"battle 300", 1.3};
        rows.push_back(Row{map ? "battle+map" : "battle", battleShips, battleShots, battleEvents, frame, setUp,
                           topUp, goal, {}});
    }
    addWaveRows(game, rows, frame);
    return rows;
}

// What is drawn over the world, timed alone beside the dust-only frame: the
// classic picture's status lines, radar and map; the campaign's HUD with its
// labels and markers (the radar stays, the map and the status lines give way
// to it); and the large map, which covers the whole picture. The campaign's
// first world is cleared, so that its wormholes are open and marked, and the
// planet where new ships start is off screen; the battle goes on round the ship.
struct OverlayScene {
    OverlayScene(Startup& startup, int now);

    Universe universe;
    Player pilot;
    std::unique_ptr<Campaign> campaign;
    FrameState state;
    int now;
};

OverlayScene::OverlayScene(Startup& startup, int now)
    : universe(freshUniverse(startup.campaignUniverse)), pilot(*startup.player), now(now) {
    universe.player = &pilot;
    campaign = std::make_unique<Campaign>(startup.campaignScript, universe,
                                          startup.campaignScript.difficulties.front(), now);
    campaign->cleared[static_cast<size_t>(campaign->world)] = true;
    for (Wormhole& wormhole : universe.currentWorld().wormholes) wormhole.open = true;
    campaign->respawn = RespawnPoint{0, 2, point{0, 0}};
    fillBattle(universe, now);
    state.fpsText = "FPS: 60";
}

void addOverlayRows(OverlayScene& scene, Font& font, std::vector<Row>& rows) {
    auto overWorld = [&scene, &font] {
        setCamera(scene.state.camera, scene.pilot.position);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        drawOverWorld(scene.state, scene.universe, font, scene.pilot.position, scene.now);
    };
    auto show = [&scene](bool hud, bool largeMap) {
        return [&scene, hud, largeMap] {
            scene.state.campaign = hud ? scene.campaign.get() : nullptr;
            scene.state.shown.hud = hud;
            scene.state.shown.statusLines = !hud;
            scene.state.shown.largeMap = largeMap;
        };
    };
    auto nothing = [] {};
    rows.push_back(Row{"classic", battleShips, 0, 0, overWorld, show(false, false), nothing, Goal{}, {}});
    rows.push_back(Row{"hud", battleShips, 0, 0, overWorld, show(true, false), nothing, Goal{}, {}});
    rows.push_back(Row{"large map", battleShips, 0, 0, overWorld, show(true, true), nothing, Goal{}, {}});
}

// The busiest moment of the campaign as a player sees it: its largest wave
// round the ship, firing, the ship moving and firing back, with the HUD, its
// labels and markers and the flight readouts (the velocity mark ahead of the
// ship). The first world is cleared, so that its wormhole is open and marked;
// the ship is shielded, so that it stays in the fight.
struct BusiestScene {
    BusiestScene(Startup& startup, std::vector<int> wave);
    void refill();

    Universe universe;
    Player ship;
    std::vector<int> wave;
    FrameState state;
    std::unique_ptr<Campaign> campaign;
    int shots = 0;
};

BusiestScene::BusiestScene(Startup& startup, std::vector<int> largest)
    : universe(freshUniverse(startup.campaignUniverse)), ship(*startup.player), wave(std::move(largest)) {
    universe.player = &ship;
    state.clockTime = ticks();
    campaign = std::make_unique<Campaign>(startup.campaignScript, universe,
                                          startup.campaignScript.difficulties.front(),
                                          static_cast<int>(state.clockTime));
    campaign->cleared[static_cast<size_t>(campaign->world)] = true;
    campaign->spawner.reset();
    for (Wormhole& wormhole : universe.currentWorld().wormholes) wormhole.open = true;
    state.campaign = campaign.get();
    state.shown.hud = true;
    state.shown.statusLines = false;
    state.shown.flight = true;
    state.cursor = point{70, 60};
    refill();
}

void BusiestScene::refill() {
    fillWave(universe, wave, -1, shots);
    ship.shieldTime = shieldedMs;
    ship.velocity = point{0.9f, 0.4f};
}

void addBusiestRow(BusiestScene& scene, Font& font, std::vector<Row>& rows) {
    auto frame = [&scene, &font] { runFrame(scene.state, scene.universe, font); };
    auto setUp = [] {
        releaseAllKeys();
        setKeyHeld(SDLK_SPACE, true);
    };
    auto refill = [&scene] { scene.refill(); };
    rows.push_back(Row{"wave+hud", static_cast<int>(scene.wave.size()), scene.shots, 0, frame, setUp, refill,
                       Goal{"busiest campaign moment", 1.3}, {}});
}

// The busiest of the first ten worlds a seed makes, built as an endless run
// builds it, with its largest wave (as an endless run sends it) round the
// ship where it comes in, firing.
struct EndlessScene {
    explicit EndlessScene(Startup& startup);
    void refill() { fillWave(universe, wave, -1, shots); }

    static constexpr uint64_t seed = 1;
    EndlessRun run;
    Universe universe;
    Player ship;
    std::vector<int> wave;
    FrameState state;
    int shots = 0;
};

EndlessScene::EndlessScene(Startup& startup) : run(seed, startup.campaignScript), ship(*startup.player) {
    int number = busiestWorld(seed, 10);
    run.keepAhead(number, universe);
    loadNamedImages();
    universe.player = &ship;
    relinkEmitters(universe);
    ship.warpWorld(number);
    ship.position = generateWorld(seed, number).arrival;
    universe.currentWorld().hitFeedback = true;
    takeLargestWave(*run.script.world(number), endlessDifficulty(run.script).countFactor, wave);
    state.clockTime = ticks();
    state.spawnIntervalMs = 1e9f;
    state.cursor = point{70, 60};
    refill();
}

void addEndlessRow(EndlessScene& scene, Font& font, std::vector<Row>& rows) {
    auto frame = [&scene, &font] { runFrame(scene.state, scene.universe, font); };
    auto setUp = [] {
        releaseAllKeys();
        setKeyHeld(SDLK_SPACE, true);
    };
    auto refill = [&scene] { scene.refill(); };
    rows.push_back(Row{"endless", static_cast<int>(scene.wave.size()), scene.shots, 0, frame, setUp, refill,
                       Goal{"busiest endless world of seed 1", 1.3}, {}});
}

// The least, over the runs, of what a row adds beyond the classic overlays, in
// dust-only frames; runs of the same number were taken in turn.
double leastBeyond(const Row& classic, const Row& row) {
    double least = 1e9;
    for (size_t i = 0; i < row.runs.size() && i < classic.runs.size(); ++i) {
        const Timed& c = classic.runs[i];
        const Timed& t = row.runs[i];
        least = std::min(least, (t.frame.median - c.frame.median) / (t.dust.median + c.dust.median) * 2);
    }
    return least;
}

const Row* rowNamed(const std::vector<Row>& rows, const std::string& name) {
    for (const Row& row : rows) {
        if (row.name == name && !row.runs.empty()) return &row;
    }
    return nullptr;
}

void printGoals(const std::vector<Row>& rows) {
    std::printf("\n");
    for (const Row& row : rows) {
        if (!row.goal.name.empty() && !row.runs.empty()) printGoal(row.goal.name, ratio(bestRun(row)), row.goal.most, "%.2f");
    }
    const Row* classic = rowNamed(rows, "classic");
    const Row* hud = rowNamed(rows, "hud");
    const Row* map = rowNamed(rows, "large map");
    // A frame with the large map open draws no dust: see battle+map.
    if (classic && hud) printGoal("HUD over the classic overlays", leastBeyond(*classic, *hud), 0.05, "%+.3f");
    if (classic && map) printGoal("large map over the classic overlays", leastBeyond(*classic, *map), 0.05, "%+.3f");
}

struct Options {
    int runs = 3;
    // The game clock's step from frame to frame; 0 follows the real clock.
    // A profiler slows every frame so much that ships would leave the view.
    int stepMs = 0;
    // The rows to run; all when empty.
    std::vector<std::string> picked;
};

Options readOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--runs" && i + 1 < argc) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (word == "--step" && i + 1 < argc) {
            options.stepMs = std::max(0, std::atoi(argv[++i]));
        } else if (word == "--frames" && i + 1 < argc) {
            measuredFrames = std::max(1, std::atoi(argv[++i]));
        } else {
            options.picked.push_back(word);
        }
    }
    return options;
}

// A word picks the row of that name, and "full" every "full ..." row.
bool picked(const Options& options, const Row& row) {
    if (options.picked.empty()) return true;
    return std::any_of(options.picked.begin(), options.picked.end(), [&](const std::string& word) {
        return row.name == word || row.name.rfind(word + " ", 0) == 0;
    });
}
}  // namespace

// frame_bench [--runs N] [--frames N] [--step MS] [row...]: every row, or
// those named, each the best of N runs (3 unless told) of N frames (60), the
// rows taking turns.
int main(int argc, char** argv) {
    Options options = readOptions(argc, argv);
    if (!openWindow()) {
        return 1;
    }
    Uint32 gameClock = SDL_GetTicks();
    if (options.stepMs > 0) setTicksForTesting(&gameClock);
    Startup startup;
    startup.withCampaign = true;
    if (!startup.loadAll()) {
        return 1;
    }
    Game game{FrameState(), startup.universe, *startup.font, startup.universe.player->weapon};
    game.state.clockTime = ticks();
    game.state.spawnTicks = game.state.clockTime;
    game.state.spawnIntervalMs = 1e9f;  // the bench sets the population itself
    game.state.cursor = point{70, 60};

    // Drawn as every game frame draws its background: with the normal blending
    // that the previous frame left set.
    auto dustOnly = [&game] {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        setCamera(game.state.camera, game.universe.player->position);
        drawBackground();
        SDL_GL_SwapBuffers();
        glClear(GL_COLOR_BUFFER_BIT);
    };
    std::vector<Row> rows = worldRows(game, dustOnly);
    std::unique_ptr<OverlayScene> overlays;
    if (startup.campaign) {
        overlays = std::make_unique<OverlayScene>(startup, static_cast<int>(ticks()));
        addOverlayRows(*overlays, *startup.font, rows);
    }
    std::unique_ptr<BusiestScene> busiest;
    if (startup.campaign && !game.wave.empty()) {
        busiest = std::make_unique<BusiestScene>(startup, game.wave);
        addBusiestRow(*busiest, *startup.font, rows);
    }
    std::unique_ptr<EndlessScene> endless;
    if (startup.campaign && SHIPDATA.size() >= static_cast<size_t>(generatedShipTypes)) {
        endless = std::make_unique<EndlessScene>(startup);
        addEndlessRow(*endless, *startup.font, rows);
    }
    for (int run = 0; run < options.runs; ++run) {
        for (Row& row : rows) {
            if (!picked(options, row)) continue;
            row.setUp();
            auto prepare = [&] {
                if (options.stepMs > 0) gameClock += static_cast<Uint32>(options.stepMs);
                row.prepare();
            };
            row.runs.push_back(measure(row.frame, dustOnly, prepare));
        }
    }
    printHeader(options.runs);
    for (const Row& row : rows) {
        if (!row.runs.empty()) printRow(row);
    }
    printGoals(rows);
    busiest.reset();
    endless.reset();
    overlays.reset();
    SDL_Quit();
    return 0;
}
