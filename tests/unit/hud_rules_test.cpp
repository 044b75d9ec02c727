// The HUD's rules on views built by hand, with no window: which target gets
// a marker, when a hit counts, and what a message gives way to.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "combat/Player.h"
#include "hud/Banner.h"
#include "hud/EdgeMarkers.h"
#include "hud/Feedback.h"
#include "hud/HudState.h"
#include "hud/HudView.h"
#include "hud/ScreenMap.h"
#include "world/Universe.h"

namespace {
// A ship at the origin in world 0, which has a star with a planet far to the
// east and a wormhole far to the west leading to world 1.
class MarkerRules : public testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        universe.worlds.resize(2);
        universe.player = &player;
        Star star(point{60000, 0}, 500, 0.1f, 0, 14, "Sun");
        star.addPlanet(Planet(200, 0.1f, 3000, 0, 0, 0, 0, 10, "Rest"));
        star.planets[0].position = point{63000, 0};
        world().stars.push_back(star);
        world().wormholes.push_back(Wormhole(0, point{-50000, 0}, 100, 1, point{0, 0}, 1));
        testing::internal::GetCapturedStdout();
        view.worlds = {WorldView{"Home", false, true}, WorldView{"Far", false, true}};
        view.pointsByType = {0, 0, 100, 250};
    }
    WorldState& world() { return universe.worlds[0]; }
    void enemy(int type, point at) { world().ships.push_back(Ship(at, type)); }
    std::vector<std::string> names() {
        std::vector<std::string> all;
        for (const MarkerTarget& target : markerTargets(universe, view, screen)) all.push_back(target.name);
        return all;
    }
    static bool has(const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    }

    Player player{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
    Universe universe;
    HudView view;
    ScreenMap screen{point{0, 0}, 4000, 1};
};
}  // namespace

TEST_F(MarkerRules, TheObjectiveIsTheEnemyWorthMostThenTheNearestAndNothingOnScreenIsMarked) {
    enemy(2, point{9000, 0});
    enemy(3, point{30000, 0});
    enemy(3, point{20000, 0});
    std::vector<MarkerTarget> targets = markerTargets(universe, view, screen);
    ASSERT_EQ(targets.size(), 1u) << "a closed wormhole and no respawn planet: only the objective";
    EXPECT_FLOAT_EQ(targets[0].where.x, 20000);

    view.pointsByType.clear();  // Free flight: nothing is worth points, the nearest is marked
    targets = markerTargets(universe, view, screen);
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_FLOAT_EQ(targets[0].where.x, 9000);

    world().ships.clear();
    enemy(2, point{500, 0});  // in view
    EXPECT_TRUE(markerTargets(universe, view, screen).empty());
}

TEST_F(MarkerRules, OpenWormholesAndTheRespawnPlanetAreMarkedWithTheirNames) {
    view.worlds[0].cleared = true;
    view.respawnStar = 0;
    view.respawnPlanet = 0;
    std::vector<std::string> shown = names();
    EXPECT_TRUE(has(shown, "To Far")) << "the cleared world's wormhole is open";
    EXPECT_TRUE(has(shown, "Rest"));
    view.worlds.clear();  // Free flight keeps the wormhole as it was loaded
    world().wormholes[0].open = false;
    EXPECT_FALSE(has(names(), "To World 1"));
}

TEST(HitRules, OnlyAGrowthOfTheDamageTakenIsAHit) {
    HudState hud;
    EXPECT_FALSE(noteHits(hud, 0, 1000, 100));
    EXPECT_TRUE(noteHits(hud, 250, 1000, 200));
    EXPECT_EQ(hud.hitAt, 200);
    float strength = hud.hitStrength;
    EXPECT_FALSE(noteHits(hud, 250, 1000, 300)) << "the same damage again is no new hit";
    EXPECT_FALSE(noteHits(hud, 0, 1000, 400)) << "a new ship starts with nothing taken";
    EXPECT_TRUE(noteHits(hud, 20, 1000, 500));
    EXPECT_LT(hud.hitStrength, strength) << "a smaller share of the hull, a weaker pulse";
}

TEST(MessageRules, WhileTheBannerNamesTheWorldMessagesLeaveTheNameToIt) {
    std::vector<HudMessage> messages = {{"Vesper Gate", 10}, {"Vesper Gate: destroy 70 enemies", 10}, {"Wave 1", 10}};
    std::vector<HudMessage> shown = shownMessages(messages, "Vesper Gate");
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Destroy 70 enemies");
    EXPECT_EQ(shown[1].text, "Wave 1");
    EXPECT_EQ(shownMessages(messages, "").size(), 3u) << "no banner: every message as it is";
}
