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
// A sound this far to one side is fully on that side: about the view's half-width.
const float panWidth = 3000;

// The listener is the player's ship; the screen's x is the world's x.
SoundPlacement placeSound(point listener, point source);
StereoGains stereoGains(float pan);

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
