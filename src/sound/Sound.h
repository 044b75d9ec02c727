#pragma once

#include "core/point.h"
#include "sound/MusicMood.h"
#include "sound/SoundEffect.h"

class SoundSystem;

// The calls game code makes; they do nothing until a sound system is in use
// (tests and the benchmark run silent).
void useSoundSystem(SoundSystem* system);
// A sound made at a place in the current world.
void playSound(SoundEffect effect, point where);
// A sound made by the player's ship itself.
void playSound(SoundEffect effect);
// Once a frame, after the world step: starts the frame's sounds around the
// ship and keeps the engine loop at the thrust level.
void finishSoundFrame(point listener, float thrustLevel);
// A sound of the interface (menus), started at once.
void playInterfaceSound(SoundEffect effect);
// Once a frame, in play and on the menus: the music's mood.
void playMusic(MusicMood mood);
void toggleMute();
// The loudness of every sound from now on, 0 (silent) to 100 (full).
void setSoundVolume(int percent);
// The music's, 0 to 100, under the loudness of every sound.
void setMusicVolume(int percent);
// Holds every sound where it is while the game is paused, and lets it go on after.
void pauseSounds(bool paused);
