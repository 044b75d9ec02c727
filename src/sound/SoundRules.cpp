#include "sound/SoundRules.h"

#include <algorithm>

#include "core/Geometry.h"

namespace {
// The far ear keeps a quarter, so a sound off to one side is never lost.
const float farEarFloor = 0.25f;

int gain(float loss) { return static_cast<int>(255 * (1 - (1 - farEarFloor) * loss) + 0.5f); }
}  // namespace

SoundPlacement placeSound(point listener, point source) {
    float distance = pointDistance(listener, source);
    if (!(distance < hearingRange)) {
        return SoundPlacement{0, 0};
    }
    // Squared, so nearby sounds stay loud and the fade comes towards the edge.
    float nearness = 1 - distance / hearingRange;
    float pan = std::clamp((source.x - listener.x) / panWidth, -1.0f, 1.0f);
    return SoundPlacement{nearness * nearness, pan};
}

StereoGains stereoGains(float pan) {
    return StereoGains{gain(std::max(pan, 0.0f)), gain(std::max(-pan, 0.0f))};
}

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
