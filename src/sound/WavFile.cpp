#include "sound/WavFile.h"

#include <algorithm>

namespace {

const size_t chunkHeader = 8;
const size_t riffHeader = 12;
const size_t fmtLength = 16;
const int pcmFormat = 1;

std::uint32_t read32(const std::string& bytes, size_t at) {
    auto byte = [&](size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

std::uint16_t read16(const std::string& bytes, size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

struct Chunks {
    size_t fmt = 0;   // where each chunk's body starts; 0 when not found
    size_t fmtSize = 0;
    size_t data = 0;
    std::uint64_t dataSize = 0;
};

// The first fmt and data chunks. A chunk's size is never trusted: the walk
// stops at one that would run past the end, and only the data chunk's own
// size is checked against what is left.
Chunks findChunks(const std::string& bytes) {
    Chunks found;
    size_t at = riffHeader;
    while (bytes.size() - at >= chunkHeader) {
        std::string id = bytes.substr(at, 4);
        std::uint64_t size = read32(bytes, at + 4);
        size_t body = at + chunkHeader;
        if (id == "fmt " && found.fmt == 0) {
            found.fmt = body;
            found.fmtSize = static_cast<size_t>(std::min<std::uint64_t>(size, bytes.size() - body));
        } else if (id == "data" && found.data == 0) {
            found.data = body;
            found.dataSize = size;
        }
        // Chunks are padded to an even length.
        std::uint64_t next = body + size + (size & 1);
        if (next > bytes.size()) break;
        at = static_cast<size_t>(next);
    }
    return found;
}

bool checkFormat(const std::string& bytes, const Chunks& chunks, WavSound& sound, std::string& problem) {
    if (chunks.fmt == 0) {
        problem = "no fmt chunk";
        return false;
    }
    if (chunks.fmtSize < fmtLength) {
        problem = "fmt chunk of " + std::to_string(chunks.fmtSize) + " bytes, shorter than 16";
        return false;
    }
    int format = read16(bytes, chunks.fmt);
    sound.channels = read16(bytes, chunks.fmt + 2);
    std::uint32_t rate = read32(bytes, chunks.fmt + 4);
    int blockAlign = read16(bytes, chunks.fmt + 12);
    sound.bits = read16(bytes, chunks.fmt + 14);
    if (format != pcmFormat) {
        problem = "format " + std::to_string(format) + " is not PCM (1)";
    } else if (sound.channels != 1 && sound.channels != 2) {
        problem = std::to_string(sound.channels) + " channels (1 or 2 are played)";
    } else if (sound.bits != 8 && sound.bits != 16) {
        problem = std::to_string(sound.bits) + " bits a sample (8 or 16 are played)";
    } else if (blockAlign != sound.channels * sound.bits / 8) {
        problem = "block align " + std::to_string(blockAlign) + " does not match " +
                  std::to_string(sound.channels) + " channels of " + std::to_string(sound.bits) + " bits";
    } else if (rate < lowestWavRate || rate > highestWavRate) {
        problem = "sample rate " + std::to_string(rate) + " Hz is not between " + std::to_string(lowestWavRate) +
                  " and " + std::to_string(highestWavRate);
    } else {
        sound.rate = static_cast<int>(rate);
        return true;
    }
    return false;
}

bool checkData(const std::string& bytes, const Chunks& chunks, WavSound& sound, std::string& problem) {
    if (chunks.data == 0) {
        problem = "no data chunk";
        return false;
    }
    std::uint64_t left = bytes.size() - chunks.data;
    if (chunks.dataSize > left) {
        problem = "data chunk of " + std::to_string(chunks.dataSize) + " bytes runs past the end of the file (" +
                  std::to_string(left) + " left)";
        return false;
    }
    size_t frame = static_cast<size_t>(sound.channels * sound.bits / 8);
    size_t size = static_cast<size_t>(chunks.dataSize) / frame * frame;
    if (size == 0) {
        problem = "data chunk holds no whole sample";
        return false;
    }
    if (size / frame > static_cast<size_t>(longestWavSeconds) * static_cast<size_t>(sound.rate)) {
        problem = std::to_string(size / frame / static_cast<size_t>(sound.rate)) + " s long, more than " +
                  std::to_string(longestWavSeconds);
        return false;
    }
    sound.samples.assign(bytes.begin() + static_cast<std::ptrdiff_t>(chunks.data),
                         bytes.begin() + static_cast<std::ptrdiff_t>(chunks.data + size));
    return true;
}

// One sample of one channel, as a signed 16-bit value.
int sampleAt(const WavSound& sound, size_t frame, int channel) {
    size_t index = frame * static_cast<size_t>(sound.channels) + static_cast<size_t>(channel);
    if (sound.bits == 8) {
        return (sound.samples[index] - 128) * 256;
    }
    return static_cast<std::int16_t>(sound.samples[2 * index] | sound.samples[2 * index + 1] << 8);
}

int channelValue(const WavSound& sound, size_t frame, int outChannel, int outChannels) {
    if (outChannels == 1 && sound.channels == 2) {
        return (sampleAt(sound, frame, 0) + sampleAt(sound, frame, 1)) / 2;
    }
    return sampleAt(sound, frame, outChannel % sound.channels);
}

// SDL's format word: the low byte is the bits, 0x8000 marks signed samples,
// 0x1000 big-endian ones.
void append(std::vector<std::uint8_t>& out, int value, std::uint16_t format) {
    bool isSigned = (format & 0x8000) != 0;
    if ((format & 0xFF) == 8) {
        out.push_back(static_cast<std::uint8_t>((value >> 8) + (isSigned ? 0 : 128)));
        return;
    }
    auto word = static_cast<std::uint16_t>(value + (isSigned ? 0 : 32768));
    std::uint8_t low = static_cast<std::uint8_t>(word & 0xFF);
    std::uint8_t high = static_cast<std::uint8_t>(word >> 8);
    bool bigEndian = (format & 0x1000) != 0;
    out.push_back(bigEndian ? high : low);
    out.push_back(bigEndian ? low : high);
}

}  // namespace

bool parseWav(const std::string& bytes, WavSound& sound, std::string& problem) {
    sound = WavSound{};
    if (bytes.size() < riffHeader || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        problem = "not a RIFF WAVE file";
        return false;
    }
    Chunks chunks = findChunks(bytes);
    return checkFormat(bytes, chunks, sound, problem) && checkData(bytes, chunks, sound, problem);
}

std::vector<std::uint8_t> convertWav(const WavSound& sound, int rate, std::uint16_t format, int channels) {
    size_t frames = sound.samples.size() / static_cast<size_t>(sound.channels * sound.bits / 8);
    if (frames == 0 || rate <= 0 || channels <= 0) {
        return {};
    }
    size_t outFrames = frames;
    if (rate != sound.rate) {
        outFrames = std::max<size_t>(1, static_cast<size_t>(static_cast<std::uint64_t>(frames) * rate / sound.rate));
    }
    std::vector<std::uint8_t> out;
    out.reserve(outFrames * static_cast<size_t>(channels) * ((format & 0xFF) / 8));
    double step = static_cast<double>(sound.rate) / rate;
    for (size_t j = 0; j < outFrames; ++j) {
        double position = static_cast<double>(j) * step;
        size_t i = std::min(static_cast<size_t>(position), frames - 1);
        size_t next = std::min(i + 1, frames - 1);
        double weight = position - static_cast<double>(i);
        for (int c = 0; c < channels; ++c) {
            int a = channelValue(sound, i, c, channels);
            int b = channelValue(sound, next, c, channels);
            append(out, rate == sound.rate ? a : static_cast<int>(a + (b - a) * weight), format);
        }
    }
    return out;
}
