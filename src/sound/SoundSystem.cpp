#include "sound/SoundSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <iterator>

#include "core/Platform.h"
#include "sound/SoundFiles.h"

namespace {
const int sampleRate = 22050;
const int bufferSamples = 512;  // about 23 ms
const int loopFadeInMs = 30;
const int loopFadeOutMs = 120;
// Each channel plays at this share of its volume: 12 dB of room for the
// mixer's sum, which the limiter then brings back up.
const float channelShare = 0.25f;
// The loops are made quiet, peaking at -12 dBFS; this brings them 6 dB up,
// to meet a fight whose sounds play below full level (SoundEffect.cpp).
const float musicLift = 2;

void limitMix(void* limiter, Uint8* stream, int bytes) {
    static_cast<Limiter*>(limiter)->process(reinterpret_cast<Sint16*>(stream), bytes / 2);
}

// A fight sound plays in a copy at each of fightPitches; a loop, whose
// copies would not meet at the join, and every other sound as it is.
std::vector<float> pitchesOf(const SoundFile& file) {
    if (file.fight && !file.loops) {
        return std::vector<float>(std::begin(fightPitches), std::end(fightPitches));
    }
    return {1};
}

// Only checked samples reach the mixer: SDL's own WAV reader trusts the header.
std::vector<Mix_Chunk*> loadSound(const SoundFile& file) {
    WavSound sound;
    std::vector<Mix_Chunk*> copies;
    if (!readSoundFile(file, sound)) {
        return copies;
    }
    for (float pitch : pitchesOf(file)) {
        if (Mix_Chunk* chunk = mixerChunk(sound, pitch)) copies.push_back(chunk);
    }
    return copies;
}

// Opening the device probes the drivers, and ALSA prints lines of its own
// when there is no sound card: the game's one line says it instead.
bool openAudioQuietly() {
    std::fflush(stderr);
    int kept = dup(STDERR_FILENO);
    int nowhere = open("/dev/null", O_WRONLY);
    if (kept >= 0 && nowhere >= 0) {
        dup2(nowhere, STDERR_FILENO);
    }
    bool opened = Mix_OpenAudio(sampleRate, AUDIO_S16SYS, 2, bufferSamples) == 0;
    std::fflush(stderr);
    if (kept >= 0 && nowhere >= 0) {
        dup2(kept, STDERR_FILENO);
    }
    for (int fd : {kept, nowhere}) {
        if (fd >= 0) {
            close(fd);
        }
    }
    return opened;
}
}  // namespace

SoundSystem::SoundSystem(const SoundSettings& settings)
    : musicVolume(settings.musicVolume / 100.0f),
      channelGain(settings.volume / 100.0f),
      chunks(soundEffectCount),
      lastCopy(soundEffectCount, 0),
      firstChannel(soundEffectCount, 0),
      lastStart(soundEffectCount, 0),
      random(std::random_device{}()) {
    if (!openAudioQuietly()) {
        std::cout << "No audio (" << Mix_GetError() << "), the game runs without sound" << std::endl;
        return;
    }
    open = true;
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    // The limiter reads the samples as the mixer makes them; a device that
    // asked for another format plays without it, at the old volumes.
    if (Mix_QuerySpec(&rate, &format, &channels) && format == AUDIO_S16SYS) {
        limiter = std::make_unique<Limiter>(channelGain / channelShare, channels, rate);
        channelGain = channelShare;
        Mix_SetPostMix(limitMix, limiter.get());
    }
    stereo = channels == 2;
    loadSounds();
}

SoundSystem::~SoundSystem() {
    if (!open) {
        return;
    }
    Mix_HaltChannel(-1);
    music.reset();
    Mix_SetPostMix(nullptr, nullptr);
    for (const std::vector<Mix_Chunk*>& copies : chunks) {
        for (Mix_Chunk* chunk : copies) {
            Mix_FreeChunk(chunk);
        }
    }
    Mix_CloseAudio();
}

void SoundSystem::loadSounds() {
    int channels = 0;
    for (int i = 0; i < soundEffectCount; ++i) {
        const SoundFile& file = soundFile(static_cast<SoundEffect>(i));
        firstChannel[i] = channels;
        channels += file.atOnce;
    }
    Mix_AllocateChannels(channels + musicChannels);
    channelLevel.assign(static_cast<size_t>(channels), 0);
    for (int i = 0; i < soundEffectCount; ++i) {
        const SoundFile& file = soundFile(static_cast<SoundEffect>(i));
        Mix_GroupChannels(firstChannel[i], firstChannel[i] + file.atOnce - 1, i);
        chunks[i] = loadSound(file);
    }
    music = std::make_unique<Music>(channels);
}

void SoundSystem::request(const SoundRequest& request) {
    if (request.effect == SoundEffect::laser) {
        laserHeld = true;
    } else {
        requests.push_back(request);
    }
}

void SoundSystem::finishFrame(point listener, float thrustLevel) {
    if (open && !muted) {
        Uint32 now = ticks();
        for (const SoundStart& start : loudestPerEffect(requests, listener)) {
            this->start(start, now);
        }
        keepLoop(SoundEffect::engine, thrustLevel);
        keepLoop(SoundEffect::laser, laserHeld ? 1.0f : 0.0f);
        duckDb = musicDuck(duckDb, fightBusy(), static_cast<int>(now - lastFrame));
        lastFrame = now;
    }
    requests.clear();
    laserHeld = false;
}

// The level rides on the panning gains, which have 255 steps where the
// channel's volume has a few dozen.
void SoundSystem::start(const SoundStart& start, Uint32 now) {
    int i = static_cast<int>(start.effect);
    const SoundFile& file = soundFile(start.effect);
    if (chunks[i].empty() || !mayStart(file, playing(start.effect), now - lastStart[i])) {
        return;
    }
    int channel = Mix_GroupAvailable(i);
    if (channel < 0) {
        return;
    }
    float level = start.placement.volume * file.level;
    if (file.fight) {
        level *= gainOf(std::uniform_real_distribution<float>(-fightLevelSpreadDb, fightLevelSpreadDb)(random));
    }
    if (stereo) {
        StereoGains gains = stereoGains(start.placement.pan, level);
        Mix_SetPanning(channel, static_cast<Uint8>(gains.left), static_cast<Uint8>(gains.right));
        Mix_Volume(channel, mixVolume(1));
    } else {
        Mix_Volume(channel, mixVolume(level));
    }
    Mix_PlayChannel(channel, chunks[i][pickCopy(i)], 0);
    channelLevel[channel] = level;
    lastStart[i] = now;
}

// Any copy but the last one played, so no two starts in a row are the same.
int SoundSystem::pickCopy(int effect) {
    int copies = static_cast<int>(chunks[effect].size());
    if (copies > 1) {
        int skip = std::uniform_int_distribution<int>(1, copies - 1)(random);
        lastCopy[effect] = (lastCopy[effect] + skip) % copies;
    }
    return lastCopy[effect];
}

// A loop fades in when asked for and out when no longer asked for, so it
// neither clicks nor lingers; in between its volume follows the level.
void SoundSystem::keepLoop(SoundEffect effect, float level) {
    int i = static_cast<int>(effect);
    int channel = firstChannel[i];
    if (chunks[i].empty()) {
        return;
    }
    Mix_Fading fading = Mix_FadingChannel(channel);
    bool sounding = Mix_Playing(channel) && fading != MIX_FADING_OUT;
    channelLevel[channel] = level * soundFile(effect).level;
    if (level > 0 && !sounding) {
        Mix_Volume(channel, mixVolume(channelLevel[channel]));
        Mix_FadeInChannel(channel, chunks[i][0], -1, loopFadeInMs);
    } else if (level > 0 && fading == MIX_NO_FADING) {
        Mix_Volume(channel, mixVolume(channelLevel[channel]));
    } else if (level <= 0 && sounding) {
        Mix_FadeOutChannel(channel, loopFadeOutMs);
    }
}

void SoundSystem::playNow(SoundEffect effect) {
    if (open && !muted) {
        start(SoundStart{effect, SoundPlacement{1, 0}}, ticks());
    }
}

void SoundSystem::playMusic(MusicMood mood) {
    if (open && !muted) {
        music->play(mood, mixVolume(musicVolume * musicLift), gainOf(-duckDb));
    }
}

void SoundSystem::toggleMute() {
    muted = !muted;
    if (muted && open) {
        Mix_HaltChannel(-1);
    }
}

void SoundSystem::pause(bool paused) {
    if (!open) {
        return;
    }
    if (paused) {
        Mix_Pause(-1);
        // The loops are not held: keys let go while paused must not bring
        // them back on resume, even for a fade-out. Still held, they fade in
        // again with the first running frame.
        for (SoundEffect loop : {SoundEffect::engine, SoundEffect::laser}) {
            Mix_HaltChannel(firstChannel[static_cast<int>(loop)]);
        }
    } else {
        Mix_Resume(-1);
    }
}

// The limiter applies the master volume to the sum; without it each channel does.
void SoundSystem::setVolume(float volume) {
    if (limiter) {
        SDL_LockAudio();
        limiter->makeUp = volume / channelShare;
        SDL_UnlockAudio();
    } else {
        channelGain = volume;
    }
}

void SoundSystem::setMusicVolume(float volume) { musicVolume = volume; }

int SoundSystem::playing(SoundEffect effect) const {
    if (!open) {
        return 0;
    }
    int i = static_cast<int>(effect);
    int count = 0;
    for (int channel = firstChannel[i]; channel < firstChannel[i] + soundFile(effect).atOnce; ++channel) {
        count += Mix_Playing(channel) ? 1 : 0;
    }
    return count;
}

// The levels of the fight sounds sounding now, added up.
float SoundSystem::fightBusy() const {
    float busy = 0;
    for (int i = 0; i < soundEffectCount; ++i) {
        const SoundFile& file = soundFile(static_cast<SoundEffect>(i));
        for (int channel = firstChannel[i]; file.fight && channel < firstChannel[i] + file.atOnce; ++channel) {
            busy += Mix_Playing(channel) ? channelLevel[channel] : 0;
        }
    }
    return busy;
}

int SoundSystem::mixVolume(float volume) const {
    return static_cast<int>(MIX_MAX_VOLUME * volume * channelGain + 0.5f);
}
