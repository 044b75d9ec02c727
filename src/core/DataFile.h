#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Every file the game reads is opened through here. Only a regular file (or
// a link to one) is opened: a pipe would hold start-up for good, a device
// would never end. Each kind of file has a size it may not pass, checked
// before a byte is read, so no file can fill the memory.
struct FileKind {
    const char* name;      // as a problem line says it: "a text file"
    std::uintmax_t limit;  // bytes
};

const FileKind textFiles{"a text file", 2u << 20};
// settings.txt and the saves: a few hundred bytes when the game writes them.
const FileKind playerFiles{"a settings or save file", 256u << 10};
const FileKind imageFiles{"an image", 32u << 20};
const FileKind soundFiles{"a sound file", 64u << 20};
const FileKind fontFiles{"a font", 16u << 20};
const FileKind replayFiles{"a replay", 16u << 20};

// The problem of a file that is not there; each reader says in its own words
// what it does without it.
const char* const missingFile = "missing";

// Why `name` cannot be read as a `kind`, in a few words ("a named pipe, not
// a file", "3000000 bytes, more than the 2 MB a text file may have"),
// missingFile when it is not there, empty when it can be read. Looks at the
// file without opening it.
std::string dataFileProblem(const std::string& name, const FileKind& kind);
// The whole file into `bytes`; false with `problem` set as above. The file
// is checked again once open, in case it was swapped in between.
bool readDataFile(const std::string& name, const FileKind& kind, std::string& bytes, std::string& problem);
// The file opened for reading when it is a regular file, whatever its size
// (for a reader that checks that itself); else null with `problem` set.
std::FILE* openDataFile(const std::string& name, std::string& problem);
// What the play was made of: a hash of every text data file read so far
// (tables, worlds, effects, and the campaign's files when `withCampaign`),
// by name and content, whatever order they were read in.
uint64_t dataFingerprint(bool withCampaign);
// A piece of a file as a message quotes it: at most 40 characters, then
// "...", and control characters shown as '?', so no file can flood the
// output or play tricks on the terminal.
std::string shortened(const std::string& text);
