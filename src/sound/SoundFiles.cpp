#include "sound/SoundFiles.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "assets/DataReport.h"
#include "sound/Music.h"
#include "sound/SoundEffect.h"

namespace {
bool refuse(const char* fileName, const std::string& problem) {
    std::cout << "Sound file " << fileName << " could not be read (" << problem << "), that sound stays silent"
              << std::endl;
    DataReport::noteProblem();
    return false;
}
}  // namespace

bool readSoundFile(const char* fileName, WavSound& sound) {
    std::string bytes;
    std::string problem;
    if (!readDataFile(fileName, soundFiles, bytes, problem)) {
        return refuse(fileName, problem == missingFile ? std::string("Couldn't open ") + fileName : problem);
    }
    return parseWav(bytes, sound, problem) || refuse(fileName, problem);
}

bool readSoundFile(const SoundFile& file, WavSound& sound) {
    std::error_code error;
    if (file.optional && !std::filesystem::exists(file.fileName, error)) {
        return false;
    }
    return readSoundFile(file.fileName, sound);
}

void checkSoundFiles() {
    for (int i = 0; i < soundEffectCount; ++i) {
        WavSound sound;
        readSoundFile(soundFile(static_cast<SoundEffect>(i)), sound);
    }
    for (MusicMood mood : {MusicMood::title, MusicMood::calm, MusicMood::fight}) {
        WavSound sound;
        readSoundFile(musicFile(mood), sound);
    }
}

Mix_Chunk* mixerChunk(const WavSound& sound, float pitch) {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (!Mix_QuerySpec(&rate, &format, &channels)) {
        return nullptr;
    }
    // Made for a slower device, the samples play faster on this one.
    int madeFor = pitch == 1 ? rate : static_cast<int>(std::lround(rate / pitch));
    std::vector<std::uint8_t> samples = convertWav(sound, madeFor, format, channels);
    // Built as Mix_LoadWAV builds one, so that Mix_FreeChunk frees both parts.
    auto* chunk = static_cast<Mix_Chunk*>(SDL_malloc(sizeof(Mix_Chunk)));
    auto* buffer = static_cast<Uint8*>(SDL_malloc(samples.size()));
    if (!chunk || !buffer || samples.empty()) {
        SDL_free(chunk);
        SDL_free(buffer);
        return nullptr;
    }
    std::memcpy(buffer, samples.data(), samples.size());
    chunk->allocated = 1;
    chunk->abuf = buffer;
    chunk->alen = static_cast<Uint32>(samples.size());
    chunk->volume = MIX_MAX_VOLUME;
    return chunk;
}
