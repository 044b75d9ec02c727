#pragma once

#include <SDL/SDL.h>

// The last step of the mix. SDL_mixer adds the channels up in 16 bits and
// clips what passes full scale, so the channels play at a share of their
// volume (headroom enough for any fight) and this brings the sum back up:
// where it would pass the ceiling it turns the whole mix down at once, and
// lets it back up over a short release, so a crowded fight never crackles.
class Limiter {
public:
    // `makeUp` undoes the channels' share and applies the master volume.
    Limiter(float makeUp, int channels, int sampleRate);
    // Interleaved 16-bit samples, in place; `count` samples in all.
    void process(Sint16* samples, int count);

    float makeUp;
    int channels;
    float releasePerFrame;  // share of the way back to full gain each frame
    float gain = 1;
};

// The loudest sample the limiter lets out: 1 dB below full scale.
const float limiterCeiling = 29204;
