#include "assets/ImageFile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/DataFile.h"

namespace {

const unsigned char pngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
const size_t headerLength = 24;
const size_t tgaHeaderLength = 18;

std::uint32_t bigEndian(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) << 24 | static_cast<std::uint32_t>(at[1]) << 16 |
           static_cast<std::uint32_t>(at[2]) << 8 | at[3];
}

std::uint32_t littleEndian16(const unsigned char* at) { return at[0] | static_cast<std::uint32_t>(at[1]) << 8; }

bool endsWith(const std::string& text, const char* end) {
    size_t length = std::strlen(end);
    return text.size() >= length && text.compare(text.size() - length, length, end) == 0;
}

}  // namespace

std::string imageFileProblem(const std::string& file) {
    std::string problem = dataFileProblem(file, imageFiles);
    std::FILE* in = problem.empty() ? openDataFile(file, problem) : nullptr;
    if (!in) return problem;
    unsigned char header[headerLength] = {};
    size_t got = std::fread(header, 1, sizeof header, in);
    std::fclose(in);
    // PNG's IHDR chunk comes first; TGA has no signature, only its place in the name.
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (got >= headerLength && std::memcmp(header, pngSignature, sizeof pngSignature) == 0) {
        width = bigEndian(header + 16);
        height = bigEndian(header + 20);
    } else if (got >= tgaHeaderLength && endsWith(file, ".tga")) {
        width = littleEndian16(header + 12);
        height = littleEndian16(header + 14);
    }
    if (width <= largestImageSide && height <= largestImageSide) return "";
    return std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
           std::to_string(largestImageSide) + " a side";
}
