#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "effects_gl.h"
#include "world/Trail.h"

namespace {

bool samePoint(point a, point b) { return a.x == b.x && a.y == b.y; }

class TrailDrawing : public EffectDataTest {
protected:

    // A ship flying right along y = 0 at `speed` units per ms for `ms`.
    static Trail flownTrail(int samples, float speed, int ms) {
        Trail trail(samples, point{0, 0}, 20, 10.0f, 0.0f, 1.0f, 1.0f);
        for (int t = 16; t <= ms; t += 16) {
            trail.update(point{speed * t, 0}, 16);
        }
        return trail;
    }
};

}  // namespace

TEST(TrailSampling, StoresOneSamplePerIntervalAndKeepsTheRemainder) {
    Trail trail(4, point{1, 2}, 20, 10, 1, 0, 0);
    ASSERT_EQ(trail.ring.size(), 5u);
    trail.update(point{10, 0}, 7);
    trail.update(point{20, 0}, 7);
    EXPECT_EQ(trail.head, 0);
    trail.update(point{30, 0}, 7);
    EXPECT_EQ(trail.head, 1);
    EXPECT_EQ(trail.sampleClock, 1);
    EXPECT_TRUE(samePoint(trail.ring[1], point{30, 0}));
    EXPECT_TRUE(samePoint(trail.ring[0], point{1, 2}));

    // One long frame stores several equal samples.
    trail.update(point{50, 5}, 65);
    EXPECT_EQ(trail.head, 4);
    EXPECT_EQ(trail.sampleClock, 6);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_TRUE(samePoint(trail.ring[i], point{50, 5})) << i;
    }
    // The ring wraps: the next sample overwrites the oldest, at index 0.
    trail.update(point{60, 0}, 14);
    EXPECT_EQ(trail.head, 0);
    EXPECT_TRUE(samePoint(trail.ring[0], point{60, 0}));
    EXPECT_EQ(trail.sampleClock, 0);
}

TEST(TrailSampling, ClearCollapsesTheRingButKeepsItsClock) {
    Trail trail(3, point{0, 0}, 20, 10, 1, 0, 0);
    trail.update(point{5, 5}, 45);
    trail.clear(point{-7, 8});
    EXPECT_EQ(trail.head, 2);
    EXPECT_EQ(trail.sampleClock, 5);
    ASSERT_EQ(trail.ring.size(), 4u);
    for (const point& p : trail.ring) {
        EXPECT_TRUE(samePoint(p, point{-7, 8}));
    }
}

TEST(TrailSampling, AnIntervalBelowOneStoresNothingInsteadOfHanging) {
    Trail trail(3, point{0, 0}, 0, 10, 1, 0, 0);
    trail.update(point{5, 5}, 16);
    EXPECT_EQ(trail.head, 0);
}

TEST_F(TrailDrawing, RibbonCoversThePathAndFadesTowardItsOldEnd) {
    ASSERT_EQ(shaders.size(), 3u);
    // 0.5 units per ms for 2 s: the ring holds the last 0.8 s, from x = 600 to 1000.
    Trail trail = flownTrail(40, 0.5f, 2000);
    point eye{500, 0};
    const float close = 1000;
    startGameFrame(eye, close);
    trail.draw(point{1000, 0});
    saveFrame("trail_close");
    // About 1 unit per pixel here: the newest end is 20 units wide, edges soft.
    long newest = brightnessAround(point{950, 0}, eye, 3, close);
    long oldest = brightnessAround(point{660, 0}, eye, 3, close);
    EXPECT_GT(newest, 6 * 6 * 150);
    EXPECT_GT(oldest, 0);
    EXPECT_GT(newest, 4 * oldest);
    Rgba centre = readPixel(static_cast<int>(worldToPixel(point{900, 0}, eye, close).x), 512);
    EXPECT_EQ(centre.r, 0);
    EXPECT_GT(centre.g, 100);
    EXPECT_GT(centre.b, 100);
    // Pushed sideways by the signed width: lit 6 units off the path, dark at 14.
    EXPECT_GT(brightnessAround(point{950, 6}, eye, 1, close), 0);
    EXPECT_GT(brightnessAround(point{950, -6}, eye, 1, close), 0);
    EXPECT_EQ(brightnessAround(point{950, 14}, eye, 2, close), 0);
    EXPECT_EQ(brightnessAround(point{950, -14}, eye, 2, close), 0);
    // Nothing before the oldest sample or beyond the current position.
    EXPECT_EQ(brightnessAround(point{560, 0}, eye, 4, close), 0);
    EXPECT_EQ(brightnessAround(point{1050, 0}, eye, 4, close), 0);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TrailDrawing, PlayerTrailAtGameZoomFollowsACurve) {
    Trail trail(200, point{0, 0}, 20, 10.0f, 0.0f, 1.0f, 1.0f);
    point at{0, 0};
    for (int t = 16; t <= 4000; t += 16) {
        float a = t / 1000.0f;
        at = point{600.0f * std::sin(a), 600.0f * (1 - std::cos(a))};
        trail.update(at, 16);
    }
    point eye{0, 400};
    startGameFrame(eye);
    trail.draw(at);
    saveFrame("trail_game");
    long total = brightness(0, 0, 1280, 1024);
    EXPECT_GT(brightnessAround(point{600.0f * std::sin(3.5f), 600.0f * (1 - std::cos(3.5f))}, eye, 2), 0);
    EXPECT_GT(brightnessAround(point{600.0f * std::sin(2.0f), 600.0f * (1 - std::cos(2.0f))}, eye, 2), 0);
    // The centre of the circle stays dark: the ribbon stays on its path.
    EXPECT_EQ(brightnessAround(point{0, 600}, eye, 20), 0);
    EXPECT_GT(total, 0);
}

TEST_F(TrailDrawing, ARestingOrMissingTrailIsSafe) {
    Trail resting(20, point{100, 100}, 20, 10.0f, 1.0f, 0.0f, 0.0f);
    resting.update(point{100, 100}, 500);
    point eye{100, 100};
    startGameFrame(eye, 1000);
    resting.draw(point{100, 100});
    // Every sample is the same point: no direction, so nothing is widened.
    EXPECT_EQ(brightness(0, 0, 1280, 1024), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    Trail flown = flownTrail(40, 0.5f, 2000);
    shaders.resize(2);
    startGameFrame(point{500, 0}, 1000);
    flown.draw(point{1000, 0});
    EXPECT_EQ(brightness(0, 0, 1280, 1024), 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A 100 ms frame stores five samples in one place. The ribbon must keep its
// width through them, not pinch to nothing where the ship went on.
TEST_F(TrailDrawing, ALongFrameLeavesNoGap) {
    Trail trail(40, point{0, 0}, 20, 10.0f, 0.0f, 1.0f, 1.0f);
    for (int i = 1; i <= 20; ++i) trail.update(point{10.0f * i, 0}, 20);
    trail.update(point{250, 0}, 100);
    for (int i = 1; i <= 10; ++i) trail.update(point{250.0f + 10 * i, 0}, 20);
    point eye{250, 0};
    startGameFrame(eye, 1000);  // about one unit per pixel
    trail.draw(point{350, 0});
    for (float along = 246; along <= 256; along += 1) {
        point p = worldToPixel(point{along, 0}, eye, 1000);
        int lit = 0;
        for (int dy = -15; dy <= 15; ++dy) lit += readPixel(int(p.x), int(p.y) + dy).g > 0;
        EXPECT_GE(lit, 10) << "too thin across x = " << along;
    }
}
