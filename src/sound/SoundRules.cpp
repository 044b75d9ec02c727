#include "sound/SoundRules.h"

#include <algorithm>
#include <cmath>

#include "core/Geometry.h"

namespace {
// The far ear keeps a quarter, so a sound off to one side is never lost.
const float farEarFloor = 0.25f;

// Time constants of the music's step back and of its return.
const float duckDownMs = 80;
const float duckBackMs = 700;

int gain(float loss, float level) {
    return static_cast<int>(255 * std::clamp(level, 0.0f, 1.0f) * (1 - (1 - farEarFloor) * loss) + 0.5f);
}
}  // namespace

SoundPlacement placeSound(point listener, point source) {
    float distance = pointDistance(listener, source);
    if (!(distance < hearingRange)) {
        return SoundPlacement{0, 0};
    }
    // Squared, so nearby sounds stay loud and the fade comes towards the edge.
    float nearness = 1 - distance / hearingRange;
    float pan = std::clamp((source.x - listener.x) / std::max(distance, panNear), -1.0f, 1.0f);
    return SoundPlacement{nearness * nearness, pan};
}

StereoGains stereoGains(float pan, float level) {
    return StereoGains{gain(std::max(pan, 0.0f), level), gain(std::max(-pan, 0.0f), level)};
}

float musicDuck(float duckDb, float busy, int ms) {
    float target = musicDuckDepthDb * std::clamp(busy / fullDuckBusy, 0.0f, 1.0f);
    float timeConstant = target > duckDb ? duckDownMs : duckBackMs;
    return target + (duckDb - target) * std::exp(-std::max(ms, 0) / timeConstant);
}

float gainOf(float decibels) { return std::pow(10.0f, decibels / 20); }

std::vector<SoundStart> loudestPerEffect(const std::vector<SoundRequest>& requests, point listener) {
    std::vector<SoundStart> starts;
    for (const SoundRequest& request : requests) {
        SoundPlacement placement = request.onShip ? SoundPlacement{1, 0} : placeSound(listener, request.where);
        if (placement.volume <= 0) {
            continue;
        }
        auto same = std::find_if(starts.begin(), starts.end(),
                                 [&](const SoundStart& start) { return start.effect == request.effect; });
        if (same == starts.end()) {
            starts.push_back(SoundStart{request.effect, placement});
        } else if (placement.volume > same->placement.volume) {
            same->placement = placement;
        }
    }
    return starts;
}

bool mayStart(const SoundFile& file, int playing, unsigned sinceLastStartMs) {
    return playing < file.atOnce && sinceLastStartMs >= static_cast<unsigned>(file.minGapMs);
}
