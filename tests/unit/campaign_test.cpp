#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "WorldFixtures.h"
#include "campaign/Campaign.h"
#include "campaign/SaveFile.h"
#include "combat/Timers.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "world/WorldStep.h"

namespace {

const int weakEnemy = 2;
const point startPoint{0, -20000};

// Two worlds: Home, with a star, a parked planet and a wormhole to Last, the
// final world. Home sends one wave of three weak enemies that drift.
class CampaignTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        // The frames are stepped for their rules, never looked at: drawing
        // them into one pixel costs next to nothing.
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 1, 1);
        SHIPDATA = {{1, 0.01f, 0.5f, 50, 20}, {1, 0.01f, 0.5f, 50, 20}, {0, 0, 0.5f, 10, 30}};
        universe.worlds.resize(2);
        universe.player = &player;
        WorldState& home = universe.worlds[0];
        home.stars.push_back(Star(point{0, 0}, 500, 0.1f, 0, 14, "Sun"));
        testing::internal::CaptureStdout();
        home.stars[0].addPlanet(Planet(200, 0.1f, 3000, 0, 0, 0, 0, 10, "Rest"));
        testing::internal::GetCapturedStdout();
        home.wormholes.push_back(Wormhole(0, point{-3000, 0}, 100, 1, point{0, 0}, 1));

        script.points = {0, 0, 50};
        script.difficulties = {Difficulty{"normal", 1, 1, 1}, Difficulty{"hard", 2, 1.5f, 2}};
        WorldScript first;
        first.world = 0;
        first.name = "Home";
        first.bonus = 100;
        first.waves = {Wave{{ShipsLine{weakEnemy, 3, 3, 0, 3}}}};
        WorldScript last;
        last.world = 1;
        last.name = "Last";
        last.final = true;
        script.worlds = {first, last};
    }

    void TearDown() override {
        glDisable(GL_SCISSOR_TEST);
        WorldTest::TearDown();
    }

    void start(const std::string& difficulty) {
        campaign = std::make_unique<Campaign>(script, universe, *script.difficulty(difficulty), now);
    }

    // The ship with no one at the keys, the world step as the frame loop
    // runs it, then the campaign.
    void frame(int dt = 16, const ShipCommand& command = ShipCommand{}) {
        now += dt;
        player.update(dt, command);
        stepWorld(universe, player, dt, now);
        campaign->update(now, dt);
    }

    // Frames until `count` ships are in the world, for at most `ms` of game time.
    void waitForShips(size_t count, int ms = 10000) {
        for (int waited = 0; ships().size() < count && waited < ms; waited += 16) frame();
        ASSERT_EQ(ships().size(), count);
    }

    void destroyShips(size_t count) {
        for (Ship& ship : ships()) {
            if (count-- == 0) break;
            ship.health = 0;
        }
        frame();
    }

    bool shown(const std::string& text) const {
        for (const CampaignMessage& message : campaign->messages) {
            if (message.text == text) return true;
        }
        return false;
    }

    std::list<Ship>& ships() { return universe.worlds[0].ships; }
    Planet& rest() { return universe.worlds[0].stars[0].planets[0]; }

    Player player = playerAt(startPoint, 45);
    Universe universe;
    CampaignScript script;
    std::unique_ptr<Campaign> campaign;
    int now = 100000;
};

TEST_F(CampaignTest, ThreeWeakEnemiesComeAndGoThenTheWorldClearsAndItsWormholeLeadsOn) {
    start("normal");
    Wormhole& wormhole = universe.worlds[0].wormholes[0];
    EXPECT_FALSE(wormhole.open);
    EXPECT_TRUE(shown("Home: destroy every ship of 1 wave"));
    player.position = wormhole.position;
    frame();
    EXPECT_EQ(player.getWorld(), 0) << "a closed wormhole carries nobody";
    player.position = startPoint;
    EXPECT_TRUE(shown("Wave 1 of 1"));

    waitForShips(3);
    for (const Ship& ship : ships()) {
        float distance = pointDistance(ship.position, player.position);
        EXPECT_GE(distance, script.spawnLeast - 1);
        EXPECT_LE(distance, script.spawnMost + 1);
        EXPECT_EQ(ship.type, weakEnemy);
        EXPECT_EQ(ship.tag, 0);
        EXPECT_EQ(ship.ramDamage, 30);
        // Drifting, at its top speed, straight at the ship.
        point toShip = normalize(point{player.position.x - ship.position.x, player.position.y - ship.position.y});
        EXPECT_NEAR(ship.velocity.x, 0.5f * toShip.x, 1e-3);
        EXPECT_NEAR(ship.velocity.y, 0.5f * toShip.y, 1e-3);
    }

    // One gets away: it is not destroyed, so the wave sends it again.
    ships().front().position = point{player.position.x + 19000, player.position.y};
    frame();
    EXPECT_TRUE(shown("An enemy got away; it will be back"));
    EXPECT_EQ(ships().size(), 3u);
    EXPECT_EQ(campaign->run.kills, 0);
    destroyShips(2);
    EXPECT_FALSE(wormhole.open) << "a ship of the wave is still to be destroyed";
    destroyShips(1);
    EXPECT_EQ(campaign->run.kills, 3);
    EXPECT_EQ(campaign->run.score, 3 * 50 + 100);
    EXPECT_TRUE(wormhole.open);
    EXPECT_TRUE(shown("Home cleared, bonus 100: wormholes open to Last"));
    EXPECT_TRUE(campaign->takeSaveRequest());
    EXPECT_FALSE(campaign->takeSaveRequest());
    EXPECT_EQ(campaign->objectiveText(), "Home: cleared; fly through a wormhole");

    player.position = wormhole.position;
    frame();
    frame();
    EXPECT_EQ(player.getWorld(), 1);
    EXPECT_TRUE(campaign->won);
    EXPECT_TRUE(shown("Victory! The campaign is won"));
    long long time = campaign->run.timeMs;
    frame();
    EXPECT_EQ(campaign->run.timeMs, time) << "the clock stops at the victory";
}

TEST_F(CampaignTest, AClearedWorldOffersTheSeedsThreeUpgradesAndTheShipAndItsSaveCarryThem) {
    UpgradeTable table;
    table.upgrades = {Upgrade{UpgradeKind::hull, 50, "", "Hull"},        Upgrade{UpgradeKind::thrust, 10, "", "Thrust"},
                      Upgrade{UpgradeKind::turn, 20, "", "Turn"},        Upgrade{UpgradeKind::repair, 100, "", "Repair"},
                      Upgrade{UpgradeKind::gunSpread, 4, "", "Spread"}, Upgrade{UpgradeKind::laserReach, 50, "", "Reach"}};
    script.laserReach = 2000;
    script.shield = ShieldScript{100, 1000, 20};
    start("normal");
    campaign->upgradeTable = &table;
    campaign->run.seed = 7;
    waitForShips(3);
    EXPECT_TRUE(campaign->offer.empty()) << "nothing is offered before the world is cleared";
    destroyShips(3);
    std::vector<size_t> drawn = table.drawChoice(7, 0);
    ASSERT_EQ(campaign->offer.size(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(campaign->offer[i].text, table.upgrades[drawn[i]].text);
    frame();
    EXPECT_EQ(campaign->offer.size(), 3u) << "the offer waits for the player";

    // Every kind of the table, taken one by one; the spread twice.
    std::vector<Upgrade> taken = table.upgrades;
    taken.push_back(table.upgrades[4]);
    taken.push_back(Upgrade{UpgradeKind::shieldRecharge, 30, "", "Shield"});
    for (const Upgrade& upgrade : taken) {
        campaign->offer = {upgrade};
        campaign->takeUpgrade(0, now);
    }
    EXPECT_TRUE(shown("Upgrade: Shield"));
    EXPECT_FLOAT_EQ(campaign->fullHealth, 1500);
    EXPECT_FLOAT_EQ(player.health, 1500);
    EXPECT_FLOAT_EQ(player.forwardAccel, 0.0011f);
    EXPECT_FLOAT_EQ(player.reverseAccel, 0.0011f);
    EXPECT_FLOAT_EQ(player.turnRate, 0.0036f);
    EXPECT_FLOAT_EQ(campaign->repairFactor, 2);
    EXPECT_EQ(player.upgrades.gunSpread, Campaign::mostSpreadShots);
    EXPECT_FLOAT_EQ(player.upgrades.laserReach, 3000);
    EXPECT_FLOAT_EQ(player.shieldPerMs, 0.05f);
    frame();
    EXPECT_TRUE(campaign->offer.empty()) << "one world cleared, one choice";

    // A ship of the saved run, continued, carries them all again.
    ScratchDir scratch;
    ASSERT_TRUE(writeSave(campaign->progress(now)).written);
    SavedCampaign save;
    ASSERT_TRUE(readSave(script, universe, save));
    ASSERT_EQ(save.upgrades.size(), taken.size());
    EXPECT_EQ(save.run.seed, 7u);
    EXPECT_EQ(save.upgrades[0].text, "Hull");
    Player again = playerAt(startPoint, 45);
    universe.player = &again;
    Campaign continued(script, universe, save, now);
    EXPECT_EQ(continued.upgrades.size(), taken.size());
    EXPECT_FLOAT_EQ(continued.fullHealth, 1500);
    EXPECT_FLOAT_EQ(again.turnRate, 0.0036f);
    EXPECT_FLOAT_EQ(again.upgrades.laserReach, 3000);
    universe.player = &player;
}

TEST_F(CampaignTest, AKillsGoalRepeatsItsLastWaveAndTheDifficultyScalesCountsDamageAndPoints) {
    script.worlds[0].goal = WorldGoal::kills;
    script.worlds[0].killTarget = 5;
    start("hard");
    EXPECT_EQ(campaign->objectiveText(), "Home: destroy 10 enemies (0 so far)");
    waitForShips(6);
    EXPECT_EQ(ships().front().ramDamage, 45);
    EXPECT_EQ(ships().front().damageFactor, 1.5f);
    destroyShips(6);
    EXPECT_EQ(campaign->run.score, 6 * 100);
    frame();
    EXPECT_TRUE(shown("Wave 2"));
    waitForShips(6);
    destroyShips(4);
    EXPECT_EQ(campaign->run.kills, 10);
    EXPECT_EQ(campaign->run.score, 10 * 100 + 100);
    EXPECT_TRUE(campaign->cleared[0]);
    EXPECT_EQ(ships().size(), 2u) << "the rest stay and may still be shot";
}

TEST_F(CampaignTest, AShipDestroyedComesBackOnThePlanetItLandedOnWhole) {
    start("normal");
    frame();  // the planet's first step moves it from the origin to its orbit
    player.health = 500;
    player.position = point{3000, -240};  // on Rest's surface, at its speed
    frame();
    ASSERT_TRUE(player.isLanded());
    EXPECT_TRUE(shown("Rest: repairing; a new ship would start here"));
    EXPECT_TRUE(campaign->takeSaveRequest());
    for (int frames = 1; frames < 64; ++frames) frame();
    EXPECT_NEAR(player.health, 500 + 0.25f * 64 * 16, 1);

    player.landed = false;
    player.position = startPoint;
    player.health = -5;
    campaign->run.score = 1000;
    frame();
    EXPECT_TRUE(player.destroyed);
    EXPECT_TRUE(shown("Ship destroyed"));
    EXPECT_EQ(campaign->run.deaths, 1);
    EXPECT_EQ(campaign->run.score, 900);
    EXPECT_FALSE(universe.worlds[0].timers.empty());

    // Hidden and deaf: thrust and turns move nothing and nothing rams it.
    ShipCommand thrustAndTurn;
    thrustAndTurn.thrust = thrustAndTurn.turnRight = 1;
    ships().clear();
    ships().push_back(Ship(startPoint, weakEnemy));
    float angle = player.angle;
    for (int ms = 0; ms < 2900; ms += 16) frame(16, thrustAndTurn);
    EXPECT_TRUE(player.destroyed);
    EXPECT_EQ(player.position.x, startPoint.x);
    EXPECT_EQ(player.position.y, startPoint.y);
    EXPECT_EQ(player.angle, angle);
    EXPECT_EQ(player.health, -5);
    EXPECT_EQ(std::count_if(ships().begin(), ships().end(), [](const Ship& ship) { return ship.tag < 0; }), 1);

    for (int ms = 0; ms < 200 && player.destroyed; ms += 16) frame();
    EXPECT_FALSE(player.destroyed);
    EXPECT_TRUE(player.isLanded());
    EXPECT_NEAR(pointDistance(player.position, rest().position), 245, 1);
    EXPECT_EQ(player.health, 1000);
    player.takeDamage(300);
    EXPECT_EQ(player.health, 1000) << "a new ship is shielded for a moment";
    for (int ms = 0; ms < Campaign::shieldMs; ms += 16) frame();
    player.takeDamage(300);
    EXPECT_EQ(player.health, 700);
}

// Every pass that removes a ship says so, with the ship's type and tag.
TEST_F(CampaignTest, EveryShipRemovalIsNotedWithItsCause) {
    WorldState& world = universe.worlds[0];
    processStars(world, &player, 16);  // the planet to its orbit
    auto add = [&](point at, float health) {
        world.ships.push_back(Ship(at, weakEnemy));
        world.ships.back().tag = 7;
        world.ships.back().health = health;
    };
    add(point{0, 5000}, 0);          // shot down
    add(player.position, 10);        // rams the player
    add(point{0, 0}, 10);            // inside the star
    add(rest().position, 10);        // inside the planet
    world.beginStep();
    processShips(world, &player, 16);
    processStars(world, &player, 16);
    ASSERT_EQ(world.shipLosses.size(), 4u);
    const LossCause causes[] = {LossCause::destroyed, LossCause::rammed, LossCause::fell, LossCause::fell};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(world.shipLosses[i].cause, causes[i]) << i;
        EXPECT_EQ(world.shipLosses[i].type, weakEnemy);
        EXPECT_EQ(world.shipLosses[i].tag, 7);
    }
    world.beginStep();
    EXPECT_TRUE(world.shipLosses.empty());
}

TEST_F(CampaignTest, ASaveComesBackWholeAndTheRunGoesOnWhereItLanded) {
    ScratchDir scratch;
    start("hard");
    campaign->run = RunResult{4321, 17, 2, 754321, "hard"};
    campaign->cleared[1] = true;
    frame();
    player.position = point{3000, -240};
    frame();
    player.health = 432.5f;
    ASSERT_TRUE(writeSave(campaign->progress(now)).written);
    for (const auto& entry : std::filesystem::directory_iterator(".")) {
        EXPECT_NE(entry.path().extension(), ".tmp");
    }

    SavedCampaign save;
    ASSERT_TRUE(readSave(script, universe, save));
    Player fresh = playerAt(startPoint, 45);
    universe.player = &fresh;
    Campaign resumed(script, universe, save, now);
    EXPECT_EQ(resumed.run.score, 4321);
    EXPECT_EQ(resumed.run.kills, 17);
    EXPECT_EQ(resumed.run.deaths, 2);
    EXPECT_EQ(resumed.run.timeMs, campaign->run.timeMs);
    EXPECT_EQ(resumed.difficulty.name, "hard");
    EXPECT_EQ(resumed.cleared, (std::vector<bool>{false, true}));
    EXPECT_EQ(fresh.getWorld(), 0);
    EXPECT_EQ(fresh.health, 432.5f);
    EXPECT_TRUE(fresh.isLanded());
    EXPECT_NEAR(pointDistance(fresh.position, rest().position), 245, 1);
    universe.player = &player;

    // A run past what the reader takes is saved at its limits, not refused later.
    campaign->run = RunResult{4000000000000LL, 2000000000, 0, 5000000000000LL, "hard"};
    ASSERT_TRUE(writeSave(campaign->progress(now)).written);
    ASSERT_TRUE(readSave(script, universe, save));
    EXPECT_EQ(save.run.score, 1000000000000LL);
    EXPECT_EQ(save.run.kills, 1000000000);
    EXPECT_EQ(save.run.timeMs, 1000000000000LL);
}

// Left mid-wave and continued under another clock: the goal's count, the
// wave with what it has still to send and when, the enemies and the ship in
// flight are as they were.
TEST_F(CampaignTest, AWorldLeftMidWaveComesBackAsItWasUnderAnotherClock) {
    ScratchDir scratch;
    script.worlds[0].waves = {Wave{{ShipsLine{weakEnemy, 6, 2, 1000, 3}}}};
    start("hard");  // 12 ships, 4 at a time, at most 6 alive
    waitForShips(4);
    destroyShips(1);
    ships().front().health = 3.5f;
    ships().front().reloadMs = 77;
    player.position = point{1500, -20500};
    player.velocity = point{0.25f, -0.5f};
    player.angle = 1.25f;
    std::vector<Ship> before(ships().begin(), ships().end());
    ASSERT_TRUE(writeSave(campaign->progress(now)).written);

    SavedCampaign save;
    ASSERT_TRUE(readSave(script, universe, save));
    int later = now + 500000;
    Player fresh = playerAt(startPoint, 45);
    universe.player = &fresh;
    Campaign resumed(script, universe, save, later);
    EXPECT_EQ(resumed.worldKills, 1);
    EXPECT_EQ(resumed.objectiveText(), "Home: destroy every ship of 1 wave (wave 1)");
    EXPECT_EQ(fresh.position.y, -20500);
    EXPECT_EQ(fresh.velocity.y, -0.5f);
    EXPECT_EQ(fresh.angle, 1.25f);
    EXPECT_FALSE(fresh.isLanded());
    ASSERT_EQ(ships().size(), before.size());
    auto kept = before.begin();
    for (const Ship& ship : ships()) {
        EXPECT_EQ(ship.position.x, kept->position.x);
        EXPECT_EQ(ship.velocity.y, kept->velocity.y);
        EXPECT_EQ(ship.health, kept->health);
        EXPECT_EQ(ship.tag, kept->tag);
        EXPECT_EQ(ship.ramDamage, kept->ramDamage);
        EXPECT_EQ(ship.reloadMs, kept->reloadMs);
        ++kept;
    }

    // The next arrival is as far off as it was; then the rest of the 12 come, and no more.
    campaign.reset();
    resumed.update(later + 16, 16);
    EXPECT_EQ(ships().size(), 3u);
    int sent = 4;
    for (int ms = 32; ms < 60000 && !resumed.cleared[0]; ms += 16) {
        size_t alive = ships().size();
        if (alive > 0) ships().front().health = 0;
        stepWorld(universe, fresh, 16, later + ms);
        resumed.update(later + ms, 16);
        sent += static_cast<int>(ships().size()) - static_cast<int>(alive) + (alive > 0 ? 1 : 0);
    }
    EXPECT_TRUE(resumed.cleared[0]);
    EXPECT_EQ(sent, 12);
    EXPECT_EQ(resumed.run.kills, 12);
    universe.player = &player;
}

TEST_F(CampaignTest, NoMoreThanFiveHundredShipsOfAWaveAreAliveAtOnce) {
    // Two lines of 400 at once, doubled by hard.
    script.worlds[0].waves = {Wave{{ShipsLine{weakEnemy, 400, 200, 0, 200}, ShipsLine{weakEnemy, 400, 200, 0, 200}}}};
    start("hard");
    waitForShips(mostAliveInWave);
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_EQ(ships().size(), static_cast<size_t>(mostAliveInWave));
}

TEST_F(CampaignTest, ADamagedOrForeignSaveIsNamedInOneLineAndNotUsed) {
    ScratchDir scratch;
    const std::string good =
        "version 1\ndifficulty normal\nworld 0\ncleared 1\nscore 10\nkills 1\ndeaths 0\ntime 5000\n"
        "respawn planet 0 0\nhealth 800\n";
    SavedCampaign save;
    writeFile(saveFileName, good);
    ASSERT_TRUE(readSave(script, universe, save));
    EXPECT_EQ(save.cleared, std::vector<int>{1});
    EXPECT_EQ(save.respawn.planet, 0);

    // The good save with the line of `name` put otherwise, or left out.
    auto changed = [&](const std::string& name, const std::string& line) {
        size_t at = good.find("\n" + name + " ") + 1;
        return good.substr(0, at) + (line.empty() ? "" : line + "\n") + good.substr(good.find('\n', at) + 1);
    };
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"<html>\n", " line 1: not a campaign save of this game"},
        {"version 3\n" + good.substr(10), " line 1: saved by a later version of the game"},
        {good.substr(0, 40), " line 4: unknown entry \"clea\""},  // cut short
        {changed("health", ""), ": no health line"},
        {good + "score 11\n", " line 11: score is given twice"},
        {changed("difficulty", "difficulty insane"), " line 2: not a difficulty of this campaign"},
        {changed("world", "world 2"), " line 3: world must be one whole number from 0 to 1"},
        {changed("cleared", "cleared 0 9"), " line 4: cleared world \"9\" is not a world of this campaign"},
        {changed("kills", "kills 1.5"), " line 6: kills must be one whole number from 0 to 1000000000"},
        {changed("respawn", "respawn planet 0 4"), " line 9: respawn must be"},
        {changed("health", "health -3"), " line 10: health must be a number above 0"},
    };
    for (const auto& [text, problem] : damaged) {
        writeFile(saveFileName, text);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(readSave(script, universe, save)) << text;
        std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output.find(std::string(saveFileName) + problem), 0u) << text << output;
        EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
        EXPECT_NE(output.find("; the save is not used"), std::string::npos) << output;
    }
    // The world's own lines must fit it: its ships lines, their types and counts, its planets.
    const std::string world = "version 2" + good.substr(9) +
                              "world_kills 2\nwaves 0 1 0\nwave_line 1 500\nship respawn\norbits 0.5\n";
    const std::string enemy = "enemy 2 0 10 20 0.5 0 9 1 0\n";
    std::string crowd = world;
    for (int i = 0; i < 501; ++i) crowd += enemy;
    const std::vector<std::pair<std::string, std::string>> misfits = {
        {world + "wave_line 1 500\n", " line 16: the wave under way has 1 ships lines, the save 2 wave_line lines"},
        {world + "enemy 2 1 10 20 0.5 0 9 1 0\n", " line 16: enemy must name a ships line of the world (0 to 0)"},
        {world + "enemy 1 0 10 20 0.5 0 9 1 0\n", " line 16: enemy must name a ships line of the world (0 to 0)"},
        {world + "enemy 2 0 10 20 0.5 0 0 1 0\n", " line 16: enemy must be TYPE TAG X Y VX VY HULL (above 0)"},
        {crowd, " line 516: more than 500 enemies"},
    };
    writeFile(saveFileName, world + enemy);
    ASSERT_TRUE(readSave(script, universe, save));
    ASSERT_TRUE(save.here.has_value());
    EXPECT_EQ(save.here->enemies.size(), 1u);
    for (const auto& [text, problem] : misfits) {
        writeFile(saveFileName, text);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(readSave(script, universe, save)) << text;
        std::string output = testing::internal::GetCapturedStdout();
        EXPECT_EQ(output.find(std::string(saveFileName) + problem), 0u) << output;
    }

    // A save of the first version loads, its world starting again.
    writeFile(saveFileName, "version 1\ndifficulty normal\nworld 0\ncleared\nscore 10\nkills 1\ndeaths 0\ntime 5000\n"
                            "respawn planet 0 0\nhealth 800\n");
    testing::internal::CaptureStdout();
    EXPECT_TRUE(readSave(script, universe, save));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string(saveFileName) + ": saved by an earlier version of the game; Home starts again\n");
    EXPECT_FALSE(save.here.has_value());

    removeSave();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(readSave(script, universe, save));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(CampaignTest, BestResultsKeepTheTenBestOfEachModeWithTheirSeedAndSkipALineTheyCannotRead) {
    ScratchDir scratch;
    writeFile(bestResultsFileName, "version 1\nresult 500 5 0 1000 easy\nresult lots\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(readBestResults().size(), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              std::string(bestResultsFileName) + " line 3: not a result; such lines are left out\n");
    removeSave();
    std::filesystem::remove(bestResultsFileName);
    std::vector<RunResult> standing;
    for (int score = 100; score <= 1200; score += 100) {
        recordBestResult(RunResult{score, 1, 0, 60000, "normal"}, standing);
    }
    EXPECT_EQ(recordBestResult(RunResult{50, 1, 0, 60000, "normal"}, standing), 0u);
    EXPECT_EQ(recordBestResult(RunResult{1150, 9, 1, 90000, "normal"}, standing), 2u);
    EXPECT_EQ(recordBestResult(RunResult{90, 9, 1, 90000, "hard"}, standing), 1u);
    RunResult endless{70, 3, 3, 80000, "normal", true, 18446744073709551615ULL, 4};
    EXPECT_EQ(recordBestResult(endless, standing), 1u);
    ASSERT_EQ(standing.size(), 1u);
    std::vector<RunResult> best = readBestResults();
    ASSERT_EQ(best.size(), bestResultsKept + 2);
    EXPECT_EQ(best[0].score, 1200);
    EXPECT_EQ(best[1].score, 1150);
    EXPECT_EQ(best[1].kills, 9);
    EXPECT_EQ(best[9].score, 400);
    EXPECT_EQ(modeOf(best[10]), "hard");
    EXPECT_TRUE(best[11].endless);
    EXPECT_EQ(best[11].seed, endless.seed);
    EXPECT_EQ(best[11].worlds, 4);
}

}  // namespace
