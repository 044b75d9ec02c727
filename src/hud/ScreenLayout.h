#pragma once

#include <vector>

#include "core/Box.h"
#include "core/point.h"

// A round thing on the picture, in layout pixels.
struct Disc {
    point centre;
    float radius;
};

// Where the HUD's pieces stand this frame. Each piece placed takes its box,
// so the ones placed after it find the space that is left; the bodies in view
// (and the ship) are what text had rather not cover.
class ScreenLayout {
public:
    explicit ScreenLayout(const Box& picture);

    void take(const Box& box);
    // Inside the picture and clear of every box taken.
    bool fits(const Box& box) const;
    bool coversBody(const Box& box) const;
    // The first candidate that fits and covers no body, else the first that
    // fits; -1 when none fits.
    int choose(const std::vector<Box>& candidates) const;
    // Places a block, given by its box at height 0, at the first of `rows`
    // where it fits and covers no body, else where it first fits, else at the
    // first row; takes its box there and gives the row.
    float place(const Box& atZero, const std::vector<float>& rows);

    Box picture;
    std::vector<Box> taken;
    std::vector<Disc> bodies;

    // Kept between two pieces of text.
    static constexpr float gap = 3;
};
