#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/Geometry.h"

TEST(Geometry, DistanceIsSymmetricAndZeroOnItself) {
    point a{3, -4};
    point b{-1, 2.5f};
    EXPECT_EQ(pointDistance(a, a), 0.0f);
    EXPECT_EQ(pointDistance(a, b), pointDistance(b, a));
    EXPECT_FLOAT_EQ(pointDistance(point{0, 0}, point{3, 4}), 5.0f);
}

TEST(Geometry, DistanceKeepsPrecisionAtWorldScale) {
    // Far-apart points at the world's edges still measure exactly.
    EXPECT_FLOAT_EQ(pointDistance(point{-100000, 0}, point{100000, 0}), 200000.0f);
}

TEST(Geometry, NormalizeGivesUnitLengthAndNanForZero) {
    point n = normalize(point{3, 4});
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.y, 0.8f);
    point zero = normalize(point{0, 0});
    EXPECT_TRUE(std::isnan(zero.x));
}

TEST(Geometry, CircleLineMeasuresToTheClampedSegment) {
    // Nearest point at exactly r: no hit.
    EXPECT_FALSE(intersectCircleLine(point{-10, 5}, point{10, 5}, point{0, 0}, 5));
    EXPECT_TRUE(intersectCircleLine(point{-10, 4.9f}, point{10, 4.9f}, point{0, 0}, 5));
    // Circle beyond the end b: distance is measured from b, not the infinite line.
    EXPECT_FALSE(intersectCircleLine(point{0, 0}, point{10, 0}, point{20, 0}, 9));
    EXPECT_TRUE(intersectCircleLine(point{0, 0}, point{10, 0}, point{20, 0}, 10.5f));
    // Before the start a: measured from a.
    EXPECT_FALSE(intersectCircleLine(point{0, 0}, point{10, 0}, point{-6, 0}, 5));
    // A zero-length segment never hits, even inside the circle.
    EXPECT_FALSE(intersectCircleLine(point{1, 1}, point{1, 1}, point{0, 0}, 50));
}

TEST(Geometry, RandLocStaysInsideTheWorld) {
    std::srand(7);
    float lowest = 1e9f;
    float highest = -1e9f;
    for (int i = 0; i < 200000; ++i) {
        float v = randLoc();
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        ASSERT_EQ(v, std::floor(v));
    }
    EXPECT_GE(lowest, -100000.0f);
    EXPECT_LE(highest, 99997.0f);
    EXPECT_LT(lowest, -99000.0f);
    EXPECT_GT(highest, 99000.0f);
}

TEST(Geometry, MouseToGameMapsPercentToTheRectangle) {
    point bottomLeft = mouseToGame(point{0, 0}, -250, 250, -100, 300);
    point topRight = mouseToGame(point{100, 100}, -250, 250, -100, 300);
    point centre = mouseToGame(point{50, 50}, -250, 250, -100, 300);
    EXPECT_FLOAT_EQ(bottomLeft.x, -250);
    EXPECT_FLOAT_EQ(bottomLeft.y, -100);
    EXPECT_FLOAT_EQ(topRight.x, 250);
    EXPECT_FLOAT_EQ(topRight.y, 300);
    EXPECT_FLOAT_EQ(centre.x, 0);
    EXPECT_FLOAT_EQ(centre.y, 100);
}

TEST(Geometry, ToStringUsesThreeSignificantDigits) {
    EXPECT_EQ(toString(60), "60");
    EXPECT_EQ(toString(59.94f), "59.9");
    EXPECT_EQ(toString(0.5f), "0.5");
    EXPECT_EQ(toString(0.1234f), "0.123");
    EXPECT_EQ(toString(12), "12");
    EXPECT_EQ(toString(0), "0");
    EXPECT_EQ(toString(999), "999");
    EXPECT_EQ(toString(1000), "1e+03");
    EXPECT_EQ(toString(1234), "1.23e+03");
    EXPECT_EQ(toString(0.00001f), "1e-05");
    EXPECT_EQ(toString(-250), "-250");
}

TEST(Geometry, PixelConversionsTruncateTowardZero) {
    EXPECT_EQ(pixelToGame(2.7f), 2);
    EXPECT_EQ(pixelToGame(-2.7f), -2);
    EXPECT_EQ(pixelToGame(-0.5f), 0);
    EXPECT_EQ(pixelToGame(17), 17);
    EXPECT_EQ(gameToPixel(5), 5.0f);
    EXPECT_EQ(square(-3), 9.0f);
}
