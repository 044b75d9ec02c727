#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The samples of a WAV file that passed every check, as the file stores
// them: 8-bit unsigned or 16-bit signed little-endian, channels interleaved,
// whole frames only.
struct WavSound {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    std::vector<std::uint8_t> samples;
};

// What a sound file may be; anything else is refused before the mixer sees it.
const int lowestWavRate = 4000;
const int highestWavRate = 192000;
const int longestWavSeconds = 600;

// Reads a whole WAV file as untrusted bytes: PCM (format 1), 1 or 2 channels,
// 8 or 16 bits, the block align those make, a sample rate within the bounds
// above, and a data chunk that fits in the file and lasts at most
// longestWavSeconds. Other chunks are skipped.
// False, with `problem` naming the field and its value, for anything else.
bool parseWav(const std::string& bytes, WavSound& sound, std::string& problem);

// The samples at `rate` Hz in SDL audio `format` with `channels` channels,
// as the mixer plays them: copied when the rate is the same, else resampled
// linearly; one channel is repeated, two are averaged into one.
std::vector<std::uint8_t> convertWav(const WavSound& sound, int rate, std::uint16_t format, int channels);
