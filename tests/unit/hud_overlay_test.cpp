#include <GL/glew.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "core/Constants.h"
#include "hud/EdgeMarkers.h"
#include "hud/Labels.h"
#include "hud/ScreenMap.h"

namespace {
const point middle{w / 2.0f, h / 2.0f};

LabelTarget target(const char* text, point centre, float radius = 10, float width = 60) {
    return LabelTarget{text, centre, radius, width, colours::white};
}

// The layout pixel the game camera lights for a dot at `world`.
point litPixel(point centre, float viewHeight, float nearScale, point world) {
    startPixelFrame();
    FrameState state;
    state.camera.viewHeight = viewHeight;
    state.camera.nearScale = nearScale;
    setCamera(state.camera, centre);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor4f(1, 1, 1, 1);
    glPointSize(1);
    glBegin(GL_POINTS);
    glVertex2f(world.x, world.y);
    glEnd();
    std::vector<unsigned char> red(static_cast<size_t>(w) * h);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RED, GL_UNSIGNED_BYTE, red.data());
    for (size_t i = 0; i < red.size(); ++i) {
        if (red[i] > 128) return point{static_cast<float>(i % w) + 0.5f, static_cast<float>(i / w) + 0.5f};
    }
    return point{-1, -1};
}
}  // namespace

// Labels and markers are placed by this mapping: it must agree with the
// camera, whatever the zoom and the depth effect.
TEST(ScreenMap, PutsAWorldPointWhereTheCameraDrawsIt) {
    struct Case {
        float viewHeight, nearScale;
        point offset;
    } cases[] = {{4000, 1, {1500, -900}}, {9000, 0.0002f, {-8000, 3000}}, {1200, 2, {-300, 250}}};
    point centre{2000, -7000};
    for (const Case& c : cases) {
        point world{centre.x + c.offset.x, centre.y + c.offset.y};
        point expected = ScreenMap(centre, c.viewHeight, c.nearScale).toLayout(world);
        point lit = litPixel(centre, c.viewHeight, c.nearScale, world);
        EXPECT_NEAR(lit.x, expected.x, 1.5f) << c.viewHeight << " " << c.nearScale;
        EXPECT_NEAR(lit.y, expected.y, 1.5f) << c.viewHeight << " " << c.nearScale;
    }
}

TEST(EdgeMarkers, SitOnTheEdgeOnTheWayToTheTargetAndPointAtIt) {
    Box area = markerArea();
    std::vector<Box> none;
    EdgeSpot right = edgeSpot(point{5000, middle.y}, area, none);
    EXPECT_FLOAT_EQ(right.at.x, area.right);
    EXPECT_FLOAT_EQ(right.at.y, middle.y);
    EXPECT_NEAR(right.degrees, -90, 1e-3);
    EdgeSpot below = edgeSpot(point{middle.x, -3000}, area, none);
    EXPECT_FLOAT_EQ(below.at.y, area.bottom);
    EXPECT_NEAR(std::fmod(below.degrees + 360, 360), 180, 1e-3);

    // Off at an angle: on the line from the ship, on whichever edge comes first.
    point far{middle.x + 4000, middle.y - 1000};
    EdgeSpot slanted = edgeSpot(far, area, none);
    EXPECT_FLOAT_EQ(slanted.at.x, area.right);
    float cross = (slanted.at.x - middle.x) * (far.y - middle.y) - (slanted.at.y - middle.y) * (far.x - middle.x);
    EXPECT_NEAR(cross, 0, 1);
}

TEST(EdgeMarkers, SlideAlongTheirEdgeOutOfTheCornerPanels) {
    Box area = markerArea();
    std::vector<Box> corners = markerKeepOut();
    const Box& radar = corners[0];
    const Box& map = corners[1];
    // Up and to the left, toward the radar: along the top edge, just right of it.
    EdgeSpot upLeft = edgeSpot(point{middle.x - 1000, middle.y + 1000}, area, corners);
    EXPECT_FLOAT_EQ(upLeft.at.y, area.top);
    EXPECT_FLOAT_EQ(upLeft.at.x, radar.right);
    EXPECT_NEAR(upLeft.degrees, 45, 1e-3) << "still pointing at the target";
    // Right and up, toward the map: down the right edge, just below it.
    EdgeSpot upRight = edgeSpot(point{middle.x + 1000, middle.y + 500}, area, corners);
    EXPECT_FLOAT_EQ(upRight.at.x, area.right);
    EXPECT_FLOAT_EQ(upRight.at.y, map.bottom);
    // Clear of both, nothing moves.
    EdgeSpot clear = edgeSpot(point{middle.x + 200, middle.y + 3000}, area, corners);
    EXPECT_FLOAT_EQ(clear.at.y, area.top);
    EXPECT_GT(clear.at.x, radar.right);
    EXPECT_LT(clear.at.x, map.left);
}

TEST(Labels, OnlyBodiesTouchingTheAreaGetOneKeptInsideIt) {
    Box area{0, 1280, 0, 1024};
    std::vector<PlacedLabel> placed = placeLabels(
        {
            target("gone", point{-40, 500}),             // wholly left of the picture
            target("rim", point{-5, 500}),               // its edge pokes in
            target("middle", point{640, 512}, 30, 80),
            target("low", point{900, 20}),               // its label would fall below the picture
            target("corner", point{1275, 1020}, 10, 200),
        },
        area, labelScale);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_EQ(placed[0].text, "rim");
    EXPECT_GE(placed[0].at.x, area.left);
    // Centred under its body, below the body's edge.
    EXPECT_EQ(placed[1].text, "middle");
    EXPECT_FLOAT_EQ(placed[1].at.x, 600);
    EXPECT_LT(placed[1].at.y + labelScale, 512 - 30);
    EXPECT_EQ(placed[2].text, "low");
    EXPECT_GT(placed[2].at.y, 0);
    EXPECT_EQ(placed[3].text, "corner");
    EXPECT_LE(placed[3].at.x + 200, area.right);
}

TEST(Labels, AnOverlappingLabelGivesWayToTheOneBeforeIt) {
    Box area{0, 1280, 0, 1024};
    std::vector<PlacedLabel> placed = placeLabels(
        {target("wormhole", point{500, 500}), target("planet", point{530, 505}), target("star", point{500, 800})},
        area, labelScale);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].text, "wormhole");
    EXPECT_EQ(placed[1].text, "star");
}

TEST(Labels, GoOverTheirBodyWhereBelowItIsAPanelOrThePicturesEdge) {
    Box area{0, 1280, 0, 1024};
    std::vector<Box> panel{Box{800, 1280, 0, 100}};
    std::vector<PlacedLabel> placed = placeLabels(
        {target("over the panel", point{1000, 130}, 20), target("at the bottom", point{300, 15}, 10)}, area,
        labelScale, panel);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_GT(placed[0].at.y, 130 + 20);
    EXPECT_GT(placed[1].at.y, 15 + 10);
}
