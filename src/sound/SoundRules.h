#pragma once

#include <vector>

#include "core/point.h"
#include "sound/SoundEffect.h"

// How loud a sound is at the listener, and from which side.
struct SoundPlacement {
    float volume;  // 0 (not heard) to 1
    float pan;     // -1 far left, 0 centre, +1 far right
};

// Channel gains for SDL_mixer's panning, 0 to 255.
struct StereoGains {
    int left;
    int right;
};

// Sounds are heard as far as the radar sees.
const float hearingRange = 10000;
// A sound pans by its bearing from the ship: fully to one side when it lies
// straight beside it. Nearer than this it pans only part of the way, so what
// happens at the ship stays near the middle.
const float panNear = 1000;

// The listener is the player's ship; the screen's x is the world's x.
SoundPlacement placeSound(point listener, point source);
// The gains of a sound at `level` (0 to 1) from the side of `pan`.
StereoGains stereoGains(float pan, float level);

// A fight sound's copies, by pitch (1.03 plays 3 % faster and higher), and
// how far each start's loudness strays either way.
const float fightPitches[] = {0.94f, 0.97f, 1, 1.03f, 1.06f};
const float fightLevelSpreadDb = 1.5f;

// The music steps back this far under a fight: fully once the fight sounds
// sounding add up to fullDuckBusy (their levels summed), in part below that.
const float musicDuckDepthDb = 4;
const float fullDuckBusy = 0.6f;
// The music's step back in dB after `ms` more of a fight this busy, coming
// from `duckDb`: it goes down within a quarter second and comes back over
// about two, so it never jumps.
float musicDuck(float duckDb, float busy, int ms);
// The gain of a level in dB (0 dB is 1).
float gainOf(float decibels);

struct SoundRequest {
    SoundEffect effect;
    point where;
    bool onShip;  // made by the ship itself: full volume, centred
};

struct SoundStart {
    SoundEffect effect;
    SoundPlacement placement;
};

// One start per sound per frame: the loudest heard request of each. The
// same sound started twice at once would only be louder, not richer.
std::vector<SoundStart> loudestPerEffect(const std::vector<SoundRequest>& requests, point listener);

// Whether one more instance of a sound may start, with `playing` sounding and
// `sinceLastStartMs` since the last one began.
bool mayStart(const SoundFile& file, int playing, unsigned sinceLastStartMs);
