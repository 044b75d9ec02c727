#include "hud/ScreenLayout.h"

#include <algorithm>

namespace {
bool discTouches(const Disc& disc, const Box& box) {
    float x = std::clamp(disc.centre.x, box.left, box.right);
    float y = std::clamp(disc.centre.y, box.bottom, box.top);
    float dx = disc.centre.x - x;
    float dy = disc.centre.y - y;
    return dx * dx + dy * dy < disc.radius * disc.radius;
}
}  // namespace

ScreenLayout::ScreenLayout(const Box& picture) : picture(picture) {}

void ScreenLayout::take(const Box& box) { taken.push_back(box); }

bool ScreenLayout::fits(const Box& box) const {
    if (!picture.holds(box)) return false;
    Box kept = box.grown(gap);
    return std::none_of(taken.begin(), taken.end(), [&](const Box& other) { return other.touches(kept); });
}

bool ScreenLayout::coversBody(const Box& box) const {
    return std::any_of(bodies.begin(), bodies.end(), [&](const Disc& disc) { return discTouches(disc, box); });
}

int ScreenLayout::choose(const std::vector<Box>& candidates) const {
    int firstFitting = -1;
    for (size_t i = 0; i < candidates.size(); ++i) {
        if (!fits(candidates[i])) continue;
        if (!coversBody(candidates[i])) return static_cast<int>(i);
        if (firstFitting < 0) firstFitting = static_cast<int>(i);
    }
    return firstFitting;
}

float ScreenLayout::place(const Box& atZero, const std::vector<float>& rows) {
    std::vector<Box> candidates;
    for (float row : rows) candidates.push_back(atZero.moved(0, row));
    int chosen = std::max(0, choose(candidates));
    take(candidates[static_cast<size_t>(chosen)]);
    return rows[static_cast<size_t>(chosen)];
}
