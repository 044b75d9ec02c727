#include "sound/Limiter.h"

#include <algorithm>
#include <cmath>

namespace {
const float releaseSeconds = 0.1f;
}  // namespace

Limiter::Limiter(float makeUpGain, int channelCount, int sampleRate)
    : makeUp(makeUpGain),
      channels(std::max(channelCount, 1)),
      releasePerFrame(1 - std::exp(-1 / (releaseSeconds * static_cast<float>(sampleRate)))) {}

void Limiter::process(Sint16* samples, int count) {
    for (int frame = 0; frame + channels <= count; frame += channels) {
        float peak = 0;
        for (int c = 0; c < channels; ++c) {
            peak = std::max(peak, std::fabs(samples[frame + c] * makeUp));
        }
        gain += (1 - gain) * releasePerFrame;
        if (peak * gain > limiterCeiling) gain = limiterCeiling / peak;
        for (int c = 0; c < channels; ++c) {
            samples[frame + c] = static_cast<Sint16>(std::lround(samples[frame + c] * makeUp * gain));
        }
    }
}
