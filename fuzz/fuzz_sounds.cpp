// A sound file through start-up's reader, then converted to the game's mixer
// format and to others a device may hand back, and made into a mixer chunk
// at each pitch a fight sound is played at.
#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdlib>

#include "FuzzSupport.h"
#include "sound/SoundFiles.h"
#include "sound/SoundRules.h"

namespace {
struct DeviceFormat {
    int rate;
    Uint16 format;
    int channels;
};

const DeviceFormat otherDevices[] = {{44100, AUDIO_U8, 1}, {8000, AUDIO_S16MSB, 2}, {48000, AUDIO_U16LSB, 2}};

// SDL's dummy driver, opened once as the game opens its device.
bool openMixer() {
    static bool open = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) == 0;
    }();
    return open;
}
}  // namespace

int fuzzSounds(const uint8_t* data, size_t size) {
    prepareFuzzing();
    const char* name = "sounds/gunShot.wav";
    writeDataFile(name, std::string(reinterpret_cast<const char*>(data), size));
    WavSound sound;
    if (readSoundFile(name, sound)) {
        for (const DeviceFormat& device : otherDevices) {
            if (convertWav(sound, device.rate, device.format, device.channels).empty()) std::abort();
        }
        if (openMixer()) {
            // Each copy a fight sound is played in.
            for (float pitch : fightPitches) {
                Mix_Chunk* chunk = mixerChunk(sound, pitch);
                if (!chunk) std::abort();
                Mix_FreeChunk(chunk);
            }
        }
    }
    restoreShippedData({name});
    return 0;
}
