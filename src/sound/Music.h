#pragma once

#include <SDL/SDL_mixer.h>

#include <vector>

#include "sound/MusicMood.h"
#include "sound/SoundEffect.h"

// The ambient loops, one for each mood but silence, each on a mixer channel
// of its own: when the mood changes the old loop fades out while the new one
// fades in. The files are optional; a mood whose loop is missing is silent.
class Music {
public:
    // Loads the loops into the open mixer; they play on the channels from
    // `firstChannel` on, musicChannels of them.
    explicit Music(int firstChannel);
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Once a frame: the mood's loop sounds at `volume` (the mixer's 0 to
    // 128), every other fades away; on a stereo device all of them further
    // at `gain` (0 to 1), which may change every frame without a click.
    void play(MusicMood mood, int volume, float gain);
    // Loops of this mood sounding now: 1, or 0.
    int playing(MusicMood mood) const;

    int firstChannel;
    std::vector<Mix_Chunk*> loops;
};

// The moods with a loop: title, calm, fight.
const int musicChannels = 3;

// The loop of a mood other than silence.
const SoundFile& musicFile(MusicMood mood);
