// Whole frames of fixed scenes, drawn by the real frame loop with the shipped
// data, compared pixel by pixel with reference images made by the same code
// before the frame was made cheaper. Things at and beyond the edges of the
// view are where skipping off-screen work could go wrong, so every scene has
// some. `make reference-images` re-makes the images.
#include <GL/glew.h>
#include <SOIL/SOIL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Startup.h"
#include "assets/NamedImages.h"
#include "campaign/Campaign.h"
#include "combat/TExplosion.h"
#include "combat/TShockwave.h"
#include "combat/Timers.h"
#include "core/Constants.h"
#include "core/Platform.h"
#include "screens/ControlsTable.h"
#include "ui/Text.h"

namespace {

const Uint32 startTick = 100000;
const int frameStep = 20;
// A pixel differs when a channel is off by more than this; a few may, as
// antialiased glyph edges can shift by a shade.
const int channelTolerance = 3;
const int differingPixelsAllowed = 20;

std::string referenceDir() { return RERARA_SOURCE_DIR "/tests/reference"; }

// The game's data, loaded as start-up loads it, in a scratch copy of data/.
class ReferenceScenes : public GlobalTablesTest {
protected:
    static void SetUpTestSuite() {
        scratch = new ScratchDir();
        for (const auto& entry : std::filesystem::directory_iterator(dataDir())) {
            std::filesystem::copy(entry.path(), entry.path().filename(),
                                  std::filesystem::copy_options::recursive);
        }
        startup = new Startup();
        ASSERT_TRUE(startup->loadAll());
    }
    static void TearDownTestSuite() {
        delete startup;
        delete scratch;
    }

    void SetUp() override {
        GlobalTablesTest::SetUp();
        setTicksForTesting(&clock);
        player = std::make_unique<Player>(*startup->player);
        player->position = point{0, 0};
        player->trail.clear(player->position);
        universe.worlds.resize(2);
        universe.player = player.get();
        state.spawnIntervalMs = 1e9f;
    }
    void TearDown() override {
        setTicksForTesting(nullptr);
        releaseAllKeys();
        GlobalTablesTest::TearDown();
    }

    WorldState& world() { return universe.worlds[0]; }

    // A tough ship of type 1 with the given behaviour (0 drifts in a straight line).
    void addShip(point at, point velocity, int ai) {
        world().ships.push_back(Ship(at, 1));
        Ship& ship = world().ships.back();
        ship.velocity = velocity;
        ship.ai = ai;
        ship.health = 1e9f;
    }
    void addShot(point at, point direction, int weapon) {
        world().projectiles.push_back(
            Projectile(at, direction.x, direction.y, 0.6f, world(), weapon, true, -1, 0, 0));
    }
    void addShockwave(point at, int created, int spin) {
        auto wave = std::make_unique<TShockwave>(200, created, 2000, at);
        wave->spin = spin;
        wave->startTime = 0;
        wave->endTime = created + 2000;
        addTimer(std::move(wave), world());
    }

    // Runs the real frame loop `frames` times, 20 ms apart; the last frame
    // is drawn but not shown, and the text it draws recorded in `texts`.
    void runScene(int frames, std::vector<DrawnText>* texts = nullptr) {
        clock = startTick;
        state.clockTime = startTick;
        state.spawnTicks = startTick;
        // Shockwaves from bursting shots take a random turn.
        std::srand(1);
        for (int i = 1; i < frames; ++i) {
            clock += frameStep;
            runFrame(state, universe, *startup->font);
        }
        clock += frameStep;
        recordDrawnText(texts);
        drawFrame(state, universe, *startup->font);
        recordDrawnText(nullptr);
    }

    // Checks the last frame of a run of `frames`, read before its buffer
    // swap, against its reference image.
    void runAndCompare(const std::string& name, int frames) {
        runScene(frames);
        compareWithReference(name);
    }

    void compareWithReference(const std::string& name) {
        std::vector<unsigned char> frame(static_cast<size_t>(w) * h * 3);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
        glClear(GL_COLOR_BUFFER_BIT);
        savePixels("reference_" + name, frame);

        std::string file = referenceDir() + "/" + name + ".png";
        int width = 0, height = 0, channels = 0;
        unsigned char* reference = SOIL_load_image(file.c_str(), &width, &height, &channels, SOIL_LOAD_RGB);
        ASSERT_NE(reference, nullptr) << file << " missing: run make reference-images";
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        long bright = 0;
        int differing = 0;
        for (int y = 0; y < h; ++y) {
            // The image's first row is the top of the screen; the frame's is the bottom.
            const unsigned char* expected = reference + static_cast<size_t>(h - 1 - y) * w * 3;
            const unsigned char* got = &frame[static_cast<size_t>(y) * w * 3];
            for (int i = 0; i < w * 3; i += 3) {
                bright += got[i] + got[i + 1] + got[i + 2];
                for (int c = 0; c < 3; ++c) {
                    if (std::abs(got[i + c] - expected[i + c]) > channelTolerance) {
                        ++differing;
                        break;
                    }
                }
            }
        }
        SOIL_free_image_data(reference);
        EXPECT_GT(bright, static_cast<long>(w) * h * 10) << name << " is nearly black";
        EXPECT_LE(differing, differingPixelsAllowed) << name << ": pixels differ from " << file;
    }

    static ScratchDir* scratch;
    static Startup* startup;
    Uint32 clock = startTick;
    std::unique_ptr<Player> player;
    Universe universe;
    FrameState state;
};

// A campaign in two worlds: the first to clear by kills, with a star and
// its planets, a closed wormhole and enemies round the ship; the second
// where the wormhole leads.
class CampaignScenes : public ReferenceScenes {
protected:
    void SetUp() override {
        ReferenceScenes::SetUp();
        script.difficulties = {Difficulty{"normal", 1, 1, 1}};
        script.points = {300, 100};
        WorldScript harbor;
        harbor.world = 0;
        harbor.name = "Harbor Reach";
        harbor.goal = WorldGoal::kills;
        harbor.killTarget = 12;
        harbor.waves = {Wave{{ShipsLine{1, 5, 1, 60000, 5}}}};
        WorldScript shore;
        shore.world = 1;
        shore.name = "Far Shore";
        shore.waves = harbor.waves;
        shore.final = true;
        script.worlds = {harbor, shore};

        Star star(point{-1500, 1300}, 300, 0.01f, 0, 14, "Sol");
        star.addPlanet(Planet(150, 0.01f, 900, 0.0f, -60, 0.0f, 0, 10, "Rim"));
        star.addPlanet(Planet(200, 0.01f, 7000, 0.0f, 200, 0.0f, 0, 10, "Far Rock"));
        world().stars.push_back(star);
        world().wormholes.push_back(Wormhole(0, point{1700, -1100}, 300, 1, point{0, 0}, 1));
        universe.worlds[1].stars.push_back(Star(point{0, 3000}, 400, 0.01f, 0, 14, "Yonder"));
        campaign = std::make_unique<Campaign>(script, universe, script.difficulties[0], static_cast<int>(startTick));
        // New ships start on the far planet, off screen.
        campaign->respawn = RespawnPoint{0, 1, point{0, 0}};
        state.campaign = campaign.get();
        state.shown.hud = true;
        state.shown.statusLines = false;

        addShip(point{1200, 900}, point{0, 0}, 1);
        addShip(point{-600, -700}, point{0, 0}, 1);
        // Off screen, and worth the most: the objective's marker.
        world().ships.push_back(Ship(point{9000, 4000}, 0));
        addShot(point{300, 200}, point{1, 0.6f}, 0);
        addShot(point{500, 320}, point{1, 0.6f}, 0);
        player->health = 640;
        player->damageTaken = 360;
    }

    // The last frame of a run of `frames` shows a hit 100 ms old and the
    // points of a kill floating up.
    void showHitAndKill(int frames) {
        int last = static_cast<int>(startTick) + frames * frameStep;
        state.hud.seenDamage = player->damageTaken;
        state.hud.hitAt = last - 100;
        state.hud.hitStrength = 0.8f;
        state.hud.floatingPoints.push_back(FloatingPoints{point{-900, 300}, 100, last - 400});
    }

    // A busy moment: two messages up and a third waiting, an answer to a key,
    // the first hint, two open wormholes side by side beyond the right edge,
    // and the aim near a damaged enemy.
    void busyScene() {
        int until = static_cast<int>(startTick) + 60000;
        campaign->cleared[0] = true;
        world().wormholes.push_back(Wormhole(0, point{9000, 700}, 300, 1, point{0, 0}, 1));
        world().wormholes.push_back(Wormhole(0, point{9000, -200}, 300, 0, point{0, 0}, 1));
        campaign->respawn = RespawnPoint{0, 1, point{0, 0}};
        campaign->messages = {{"An enemy got away", until, 3000, MessageKind::other},
                              {"A new ship, on Rim", until, 3000, MessageKind::ship},
                              {"Wave 2 of 3", until, 3000, MessageKind::wave}};
        state.hints.start(state.settings.bindings, "destroy 12 enemies", static_cast<int>(startTick));
        state.hud.notice("Screenshot saved: screenshot-0001.png", static_cast<int>(startTick) + 30 * frameStep);
        // Aimed near the chaser above and right, hit once already.
        state.cursor = point{72, 70};
        world().ships.front().health = world().ships.front().fullHealth = 100;
        world().ships.front().health = 45;
    }

    // Landed on Rim, being repaired, with the first hint at the foot of the picture.
    void landedScene() {
        Star& sol = world().stars[0];
        Planet& rim = sol.planets[0];
        point centre{sol.position.x + rim.orbitRadius * std::cos(rim.orbitAngle),
                     sol.position.y + rim.orbitRadius * std::sin(rim.orbitAngle)};
        float up = std::atan2(centre.y - sol.position.y, centre.x - sol.position.x) + 2.0f;
        rim.landingAngle = up;
        float surface = rim.radius + player->radius;
        player->position = point{centre.x + surface * std::cos(up), centre.y + surface * std::sin(up)};
        player->trail.clear(player->position);
        player->setAngle(up);
        player->setLanded();
        player->gentleTouchDown = true;
        world().ships.clear();
        state.hints.start(state.settings.bindings, "destroy 12 enemies", static_cast<int>(startTick));
    }

    CampaignScript script;
    std::unique_ptr<Campaign> campaign;
};

// Strictly overlapping: boxes that only touch do not.
bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

void expectApart(const std::vector<DrawnText>& texts, const std::string& scene) {
    EXPECT_GT(texts.size(), 2u) << scene << " draws almost no text";
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(overlap(texts[i].box, texts[j].box))
                << scene << ": \"" << texts[i].words << "\" overlaps \"" << texts[j].words << "\"";
        }
    }
}

ScratchDir* ReferenceScenes::scratch = nullptr;
Startup* ReferenceScenes::startup = nullptr;

}  // namespace

// The view spans x from -2500 to 2500 and y from -2000 to 2000. Ships end
// on or just beyond each edge with their trails inside, trails cross the view
// with both ends outside, shots sit in view, on the edge and far away, and
// far ships show only on the radar.
TEST_F(ReferenceScenes, ShipsAndShotsAcrossTheEdges) {
    const int drift = 0, chase = 1, keepRange = 3;
    addShip(point{1900, 300}, point{1.0f, 0.1f}, drift);       // ends on the right edge
    addShip(point{-1950, -600}, point{-1.0f, -0.3f}, drift);   // just beyond the left
    addShip(point{400, 1450}, point{0.2f, 1.0f}, drift);       // across the top
    addShip(point{-900, -1400}, point{-0.3f, -1.0f}, drift);   // across the bottom
    addShip(point{-1500, -1200}, point{-3.0f, 0}, drift);      // gone, its trail still in view
    addShip(point{-3000, -300}, point{10.0f, 0}, drift);       // a trail across the whole view
    addShip(point{3200, 2600}, point{-0.5f, -0.3f}, drift);    // off screen, trail and all
    addShip(point{1200, -800}, point{0, 0}, chase);
    addShip(point{-700, 600}, point{0, 0}, keepRange);
    addShip(point{8000, 0}, point{0, 0}, chase);
    addShip(point{-40000, 30000}, point{1, 0}, drift);
    addShot(point{0, 500}, point{1, 1}, 0);
    addShot(point{2150, -1000}, point{1, 0}, 0);
    addShot(point{-1200, 1700}, point{0, 1}, 2);
    addShot(point{30000, 30000}, point{1, 0}, 0);
    runAndCompare("ships_and_shots", 30);
}

// An explosion and a shockwave ring in view, each also half out of it, a
// wormhole half in view, and a star with a planet orbiting across the edge.
TEST_F(ReferenceScenes, EffectsWormholeAndPlanetAtTheEdges) {
    const Uint32 end = startTick + 40 * frameStep;
    Star star(point{-2700, 200}, 500, 0.01f, 0, 14, "Edge");
    star.addPlanet(Planet(220, 0.01f, 1100, 0.01f, 67, 0.05f, 0, 10, "Rim"));
    world().stars.push_back(star);
    world().wormholes.push_back(Wormhole(0, point{600, 2050}, 300, 1, point{0, 0}, 1));
    standardExplosion(point{-500, 400}, world(), end - 100);
    standardExplosion(point{2520, 900}, world(), end - 150);
    addShockwave(point{900, -700}, startTick, 45);
    addShockwave(point{2450, -1950}, startTick, 200);
    runAndCompare("effects_and_bodies", 40);
}
// The laser held on a ship, with the player thrusting and turning.
TEST_F(ReferenceScenes, LaserWhileThrusting) {
    addShip(point{1500, 900}, point{0, 0}, 3);
    player->weapon = 1;
    state.cursor = point{80, 72};
    setKeyHeld(SDLK_SPACE, true);
    setKeyHeld(SDLK_w, true);
    setKeyHeld(SDLK_a, true);
    runAndCompare("laser", 25);
}

// A crowd: ships circling close together, their trails crossing each
// other's bodies, with shots and explosions among them.
TEST_F(ReferenceScenes, ACrowdWhoseTrailsCrossTheirBodies) {
    for (int i = 0; i < 60; ++i) {
        float angle = i * 0.7f;
        float radius = 300 + 25.0f * (i % 13);
        point at{radius * std::cos(angle), radius * std::sin(angle)};
        addShip(at, point{-std::sin(angle) * 0.9f, std::cos(angle) * 0.9f}, i % 4 == 0 ? 1 : 0);
        addShot(point{at.x * 1.5f, at.y * 1.5f}, point{std::cos(angle), -std::sin(angle)}, i % 5 == 0 ? 2 : 0);
    }
    for (int i = 0; i < 8; ++i) {
        standardExplosion(point{-600.0f + 150 * i, 100.0f * (i % 3)}, world(), startTick + 400 + 20 * i);
    }
    runAndCompare("crowd", 25);
}

// Zoomed out, and with the depth effect pulled so far that the world plane
// shows well beyond the nominal view: what lies there must still be drawn.
TEST_F(ReferenceScenes, ZoomedOutWithAStrongDepthEffect) {
    state.camera.viewHeight = 9000;
    state.camera.nearScale = 0.0002f;
    for (int i = 0; i < 12; ++i) {
        float x = -9000 + 1500.0f * i;
        addShip(point{x, 4200 - 700.0f * (i % 5)}, point{0.5f, -0.3f}, i % 2 == 0 ? 0 : 3);
        addShot(point{x, -4000 + 300.0f * (i % 4)}, point{0, 1}, i % 3 == 0 ? 2 : 0);
    }
    standardExplosion(point{7000, -3000}, world(), startTick + 200);
    addShockwave(point{-7000, 3500}, startTick, 10);
    runAndCompare("zoomed_out_deep", 20);
}

// The campaign's enemies, each type of the roster with its sprite and size:
// armed ones firing at the player, gun shots hitting (a flash and a spark in
// the ship's colour) and a kill exploding as wide as the Dreadnought.
TEST_F(ReferenceScenes, TheCampaignsEnemiesFlashThrowSparksAndFire) {
    world().hitFeedback = true;
    const int types[] = {2, 3, 4, 5, 6, 2, 4};
    for (int i = 0; i < 7; ++i) {
        float angle = 0.9f * i;
        world().ships.push_back(Ship(point{1100 * std::cos(angle), 900 * std::sin(angle)}, types[i]));
        world().ships.back().health = 1e9f;
        world().ships.back().reloadMs = 0;
    }
    world().ships.push_back(Ship(point{-1600, 1200}, 7));
    world().ships.back().health = 1e9f;
    for (int i = 0; i < 5; ++i) {
        Ship& target = *std::next(world().ships.begin(), i);
        addShot(point{target.position.x - 170, target.position.y}, point{1, 0}, 0);
    }
    world().ships.push_back(Ship(point{2000, -1500}, 7));
    world().ships.back().health = 0;
    runAndCompare("campaign_enemies", 12);
}

// A star and a planet that name their looks draw those pictures, with the
// blending, texture mode and sizes of their slots; a second planet naming a
// picture that is not there draws its slot.
TEST_F(ReferenceScenes, StarAndPlanetsWithLooks) {
    Star star(point{-1200, 300}, 600, 0.01f, 0, 14, "Helia");
    star.look = registerImage("stars/yellow.png");
    Planet icy(350, 0.01f, 1900, 0, 10, 0.02f, 30, 10, "Tarn");
    icy.look = registerImage("planets/icy.png");
    Planet missing(200, 0.01f, 2900, 0, -30, 0.02f, 0, 10, "Nowhere");
    missing.look = registerImage("planets/nosuchlook.png");
    star.addPlanet(icy);
    star.addPlanet(missing);
    world().stars.push_back(star);
    testing::internal::CaptureStdout();
    loadNamedImages();
    std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("Image planets/nosuchlook.png could not be read"), std::string::npos) << said;
    runAndCompare("looks", 10);
}

// The campaign's HUD in a fight, its world's name just announced: hull,
// weapons, objective and score, the corner map, labels on the star, the
// planet and the closed wormhole, markers for the enemy and the planet where
// new ships start, shots glowing, points floating up, and a hit on the ship.
TEST_F(CampaignScenes, TheHudInAFight) {
    showHitAndKill(30);
    runAndCompare("hud_fight", 30);
}

// A busy HUD: the messages (two at most), the answer to a key and the hint
// find room clear of each other and of the bodies, and the markers of the
// two wormholes and the planet off the same way stand apart.
TEST_F(CampaignScenes, ABusyHud) {
    busyScene();
    runAndCompare("hud_busy", 30);
}

// The large map over the same fight: the world with every body named, and
// the two worlds with their closed link.
TEST_F(CampaignScenes, TheLargeMap) {
    state.shown.largeMap = true;
    runAndCompare("large_map", 30);
}

// No two texts the HUD or a menu draws overlap: in a fight with messages, with
// markers of bodies off the same way, landed with a hint, and on every page
// of the menus, the key editor showing a clash, and the help.
TEST_F(CampaignScenes, NoTwoTextsOverlapInBusyScenesAndMenus) {
    std::vector<DrawnText> texts;
    showHitAndKill(30);
    busyScene();
    runScene(30, &texts);
    saveFrame("layout_busy_fight");
    expectApart(texts, "a fight with messages and markers");

    state.hud = HudState();
    campaign->messages.clear();
    landedScene();
    texts.clear();
    runScene(30, &texts);
    saveFrame("layout_landed");
    expectApart(texts, "landed with a hint");

    Font& font = *startup->font;
    auto menu = [&](const std::string& name) {
        texts.clear();
        recordDrawnText(&texts);
        state.pauseMenu.draw(font, state.settings);
        recordDrawnText(nullptr);
        saveFrame("layout_" + name);
        glClear(GL_COLOR_BUFFER_BIT);
        expectApart(texts, name);
    };
    state.pauseMenu.open(true);
    menu("pause menu");
    state.pauseMenu.askToQuit(false, "Quit? Progress is saved.");
    menu("quit question");
    state.pauseMenu.page = PauseMenu::Page::options;
    state.pauseMenu.options.open(state.settings);
    menu("options");
    state.settings.bindings[Action::nextWeapon].key = state.settings.bindings[Action::fire].key;
    state.pauseMenu.options.page = OptionsScreen::Page::controls;
    state.pauseMenu.options.table = ControlsTable{static_cast<int>(Action::fire), false, 2, {"Reset to defaults", "Back"},
                                                  0, controlsRowsShown};
    menu("key editor");
    state.pauseMenu.options.table.selected = actionCount + 1;
    keepSelectedInView(state.pauseMenu.options.table);
    menu("key editor scrolled");
    state.pauseMenu.showHelp(false, state.settings.bindings);
    for (int page = 0; page < state.pauseMenu.help.pageCount(); ++page) {
        state.pauseMenu.help.page = page;
        menu("help page " + std::to_string(page + 1));
    }
}
