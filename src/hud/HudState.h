#pragma once

#include <string>
#include <vector>

#include "core/point.h"

// The points a kill gave, floating up from where the ship died.
struct FloatingPoints {
    point where;
    long long points;
    int bornAt;
};

// What the overlays keep from one frame to the next: the answer to the last
// key, the points floating up, the last hit on the ship and the world whose
// name was last announced. A new game starts with a fresh one.
class HudState {
public:
    // A short answer to a key, shown for a moment at the bottom of the picture.
    void notice(const std::string& text, int now);

    std::string noticeText;
    int noticeUntil = 0;
    std::vector<FloatingPoints> floatingPoints;
    // The ship's damage taken when last looked at: a growth is a hit.
    float seenDamage = 0;
    int hitAt = -1000000;
    // From 0 to 1, by the share of the hull the hit took.
    float hitStrength = 0;
    // The world whose arrival banner is showing or was shown last.
    int bannerWorld = -1;
    int bannerAt = 0;
    // Free flight's full hull: the most the ship has had (it is never repaired).
    float freeFlightFullHealth = 0;

    static constexpr int noticeMs = 1500;
};
