#pragma once

#include <SDL/SDL_mixer.h>

#include <memory>
#include <random>
#include <vector>

#include "sound/Limiter.h"
#include "sound/Music.h"
#include "sound/SoundEffect.h"
#include "sound/SoundRules.h"
#include "sound/SoundSettings.h"

// The game's audio: opens the device, owns the loaded sounds and gives each
// its own group of mixer channels, so one sound cannot crowd out the others;
// the music has channels of its own after them.
// Requests gather during a frame and start together at its end; nothing here
// waits for a sound.
class SoundSystem {
public:
    // Opens audio and loads every sound file. Failing to open prints one
    // line and leaves the system silent; a file that fails prints one line
    // and leaves only that sound silent.
    explicit SoundSystem(const SoundSettings& settings);
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    void request(const SoundRequest& request);
    // Starts this frame's sounds around the listener and sets the loops: the
    // engine at the thrust level, the laser if it was requested this frame.
    void finishFrame(point listener, float thrustLevel);
    // Starts a sound of the interface at once, centred, even while the game
    // is paused: menus answer between frames of the world.
    void playNow(SoundEffect effect);
    // Once a frame, and on the menus: the music for this mood.
    void playMusic(MusicMood mood);
    void toggleMute();
    void pause(bool paused);
    // 0 (silent) to 1 (full): every sound, then the music under it.
    void setVolume(float volume);
    void setMusicVolume(float volume);
    // Instances of a sound sounding now.
    int playing(SoundEffect effect) const;

    bool open = false;
    bool muted = false;
    float musicVolume;
    // What a channel's volume is multiplied by: the master volume, or its
    // share when the limiter applies the master volume to the sum.
    float channelGain;
    std::unique_ptr<Limiter> limiter;
    std::unique_ptr<Music> music;
    // Each sound's copies: one, or a fight sound's at each of fightPitches;
    // none when its file could not be read.
    std::vector<std::vector<Mix_Chunk*>> chunks;
    std::vector<int> lastCopy;
    std::vector<int> firstChannel;
    // The level each mixer channel was last started at.
    std::vector<float> channelLevel;
    std::vector<Uint32> lastStart;
    std::vector<SoundRequest> requests;
    bool laserHeld = false;
    // Panning needs two channels; a mono device sets each sound's level
    // through its volume instead.
    bool stereo = false;
    // How far the music has stepped back under the fight, in dB.
    float duckDb = 0;
    Uint32 lastFrame = 0;
    // The variety of the fight sounds; never std::rand, whose sequence
    // belongs to the world.
    std::mt19937 random;

private:
    void loadSounds();
    void start(const SoundStart& start, Uint32 now);
    int pickCopy(int effect);
    void keepLoop(SoundEffect effect, float level);
    float fightBusy() const;
    int mixVolume(float volume) const;
};
