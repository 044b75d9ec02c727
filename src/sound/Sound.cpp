#include "sound/Sound.h"

#include "sound/SoundSystem.h"

namespace {
SoundSystem* active = nullptr;
}

void useSoundSystem(SoundSystem* system) { active = system; }

void playSound(SoundEffect effect, point where) {
    if (active) {
        active->request(SoundRequest{effect, where, false});
    }
}

void playSound(SoundEffect effect) {
    if (active) {
        active->request(SoundRequest{effect, point{0, 0}, true});
    }
}

void finishSoundFrame(point listener, float thrustLevel) {
    if (active) {
        active->finishFrame(listener, thrustLevel);
    }
}

void playInterfaceSound(SoundEffect effect) {
    if (active) {
        active->playNow(effect);
    }
}

void toggleMute() {
    if (active) {
        active->toggleMute();
    }
}

void playMusic(MusicMood mood) {
    if (active) {
        active->playMusic(mood);
    }
}

void setSoundVolume(int percent) {
    if (active) {
        active->setVolume(percent / 100.0f);
    }
}

void setMusicVolume(int percent) {
    if (active) {
        active->setMusicVolume(percent / 100.0f);
    }
}

void pauseSounds(bool paused) {
    if (active) {
        active->pause(paused);
    }
}
