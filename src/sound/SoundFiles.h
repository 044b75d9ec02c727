#pragma once

#include <SDL/SDL_mixer.h>

#include "sound/SoundEffect.h"
#include "sound/WavFile.h"

// Reads and checks one sound file. A file that is missing or fails a check
// is named in one line with what is wrong, and counted as a data problem.
bool readSoundFile(const char* fileName, WavSound& sound);
// The same for one of the game's sounds; an optional one that is not there
// is left silent without a line.
bool readSoundFile(const SoundFile& file, WavSound& sound);
// Reads and checks every sound and music file without an audio device, as a
// data check does.
void checkSoundFiles();
// The sound converted to what the open mixer plays, for Mix_FreeChunk to
// free; at a `pitch` other than 1, resampled to play that much faster and
// higher (1.06: 6 %).
Mix_Chunk* mixerChunk(const WavSound& sound, float pitch = 1);
