#include "core/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <map>

namespace {

const size_t longestQuote = 40;
const size_t readChunk = 1 << 16;
const char* const campaignFolder = "campaign/";

// Each text file read so far by its name, with the hash of its bytes.
std::map<std::string, uint64_t> textFilesRead;

// 64-bit FNV-1a.
uint64_t hashed(const std::string& bytes, uint64_t hash = 14695981039346656037ULL) {
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string sizeText(std::uintmax_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0) return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " bytes";
}

std::string tooLarge(std::uintmax_t bytes, const FileKind& kind) {
    return std::to_string(bytes) + " bytes, more than the " + sizeText(kind.limit) + " " + kind.name + " may have";
}

std::string openProblem(int error) {
    if (error == ENOENT || error == ENOTDIR) return missingFile;
    if (error == EACCES || error == EPERM) return "no permission to read it";
    std::string text = std::strerror(error);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string statProblem(const struct stat& info, const FileKind& kind) {
    if (S_ISDIR(info.st_mode)) return "a folder, not a file";
    if (S_ISFIFO(info.st_mode)) return "a named pipe, not a file";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "a device, not a file";
    if (!S_ISREG(info.st_mode)) return "not a regular file";
    std::uintmax_t size = static_cast<std::uintmax_t>(info.st_size);
    return size > kind.limit ? tooLarge(size, kind) : "";
}

// Reads to the end, but never past the kind's limit: the file may have
// grown since it was looked at.
std::string readAll(int file, const FileKind& kind, std::string& bytes) {
    char chunk[readChunk];
    for (;;) {
        ssize_t got = read(file, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return openProblem(errno);
        if (got == 0) return "";
        if (bytes.size() + static_cast<size_t>(got) > kind.limit) {
            return tooLarge(bytes.size() + static_cast<size_t>(got), kind);
        }
        bytes.append(chunk, static_cast<size_t>(got));
    }
}

}  // namespace

std::string dataFileProblem(const std::string& name, const FileKind& kind) {
    struct stat info {};
    if (stat(name.c_str(), &info) != 0) return openProblem(errno);
    return statProblem(info, kind);
}

namespace {
// The file open for reading when it is a regular file within the kind's
// limit, else -1 with `problem` set. Not blocking: a pipe put in the file's
// place since it was looked at must not hold the game.
int openRegular(const std::string& name, const FileKind& kind, std::string& problem, struct stat& info) {
    problem = dataFileProblem(name, kind);
    if (!problem.empty()) return -1;
    int file = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        problem = openProblem(errno);
        return -1;
    }
    problem = fstat(file, &info) != 0 ? openProblem(errno) : statProblem(info, kind);
    if (problem.empty()) return file;
    close(file);
    return -1;
}
}  // namespace

bool readDataFile(const std::string& name, const FileKind& kind, std::string& bytes, std::string& problem) {
    bytes.clear();
    struct stat info {};
    int file = openRegular(name, kind, problem, info);
    if (file < 0) return false;
    bytes.reserve(static_cast<size_t>(info.st_size));
    problem = readAll(file, kind, bytes);
    close(file);
    if (!problem.empty()) bytes.clear();
    if (problem.empty() && std::strcmp(kind.name, textFiles.name) == 0) textFilesRead[name] = hashed(bytes);
    return problem.empty();
}

uint64_t dataFingerprint(bool withCampaign) {
    uint64_t hash = hashed("");
    for (const auto& [name, fileHash] : textFilesRead) {
        if (!withCampaign && name.compare(0, std::strlen(campaignFolder), campaignFolder) == 0) continue;
        hash = hashed(name, hash);
        for (int i = 0; i < 8; ++i) hash = hashed(std::string(1, static_cast<char>(fileHash >> (8 * i))), hash);
    }
    return hash;
}

std::FILE* openDataFile(const std::string& name, std::string& problem) {
    struct stat info {};
    int file = openRegular(name, FileKind{"a file", UINTMAX_MAX}, problem, info);
    std::FILE* stream = file < 0 ? nullptr : fdopen(file, "r");
    if (file >= 0 && !stream) {
        problem = openProblem(errno);
        close(file);
    }
    return stream;
}

std::string shortened(const std::string& text) {
    std::string shown = text.substr(0, longestQuote);
    for (char& c : shown) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f) c = '?';
    }
    return text.size() > longestQuote ? shown + "..." : shown;
}
