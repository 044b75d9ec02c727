#include "sound/Music.h"

#include <algorithm>

#include "sound/SoundFiles.h"

namespace {
// Long enough to hear one loop give way to the other, short enough that the
// fight loop arrives with the fight.
const int crossFadeMs = 1500;

const SoundFile files[musicChannels] = {
    {"music/title.wav", true, 1, 0, true},
    {"music/calm.wav", true, 1, 0, true},
    {"music/fight.wav", true, 1, 0, true},
};

int slot(MusicMood mood) { return static_cast<int>(mood) - 1; }
}  // namespace

const SoundFile& musicFile(MusicMood mood) { return files[slot(mood)]; }

Music::Music(int firstChannel) : firstChannel(firstChannel), loops(musicChannels, nullptr) {
    for (int i = 0; i < musicChannels; ++i) {
        WavSound sound;
        if (readSoundFile(files[i], sound)) loops[i] = mixerChunk(sound);
    }
}

Music::~Music() {
    for (int i = 0; i < musicChannels; ++i) {
        Mix_HaltChannel(firstChannel + i);
        Mix_FreeChunk(loops[i]);
    }
}

// A loop asked for while it still fades out is left to end, and fades in
// again from silence: cutting it short would click.
void Music::play(MusicMood mood, int volume, float gain) {
    for (int i = 0; i < musicChannels; ++i) {
        int channel = firstChannel + i;
        bool sounding = Mix_Playing(channel) != 0;
        Mix_Fading fading = Mix_FadingChannel(channel);
        // The mixer's volume has a few dozen steps and its fades own it; the
        // panning gain has 255 and is left alone by them.
        auto fine = static_cast<Uint8>(255 * std::clamp(gain, 0.0f, 1.0f) + 0.5f);
        Mix_SetPanning(channel, fine, fine);
        if (i != slot(mood)) {
            // The mixer will not fade a channel at volume 0; it is silent anyway.
            if (sounding && Mix_Volume(channel, -1) == 0) {
                Mix_HaltChannel(channel);
            } else if (sounding && fading != MIX_FADING_OUT) {
                Mix_FadeOutChannel(channel, crossFadeMs);
            }
        } else if (!sounding && loops[i] && volume > 0) {
            Mix_Volume(channel, volume);
            Mix_FadeInChannel(channel, loops[i], -1, crossFadeMs);
        } else if (sounding && fading == MIX_NO_FADING) {
            Mix_Volume(channel, volume);
        }
    }
}

int Music::playing(MusicMood mood) const {
    if (mood == MusicMood::silent) return 0;
    int channel = firstChannel + slot(mood);
    return Mix_Playing(channel) && Mix_FadingChannel(channel) != MIX_FADING_OUT ? 1 : 0;
}
