#pragma once

#include <filesystem>
#include <string>

// Where the game writes: the working directory (the data folder) when it may
// and the game is not an installed one, else the player's own folder,
// $XDG_DATA_HOME/rerara or, without that, ~/.local/share/rerara. The
// installed launcher sets RERARA_INSTALLED. An empty path means the working
// directory.
std::filesystem::path writeFolder();

// What became of a write: done, or why not in words a player understands
// ("the disk is full", "the folder is read-only"), for a screen to show.
struct WriteResult {
    bool written = false;
    std::string reason;
};

// Makes `folder` and the folders above it that are missing. Run as root, the
// game hands each folder it makes to the owner of the folder it is made in,
// and an installed game writes nothing into another user's folder. The
// reason is empty when the folder is there; `detail` gets the system's own
// words for a failure.
std::string makeFolders(const std::filesystem::path& folder, std::string& detail);
// Run as root, hands the file or folder just made at `made` to the owner of
// the folder it is in, when that is another user; false when it could not.
bool giveToFolderOwner(const std::filesystem::path& made);

// Writes `text` whole or not at all: into a temporary file of this process,
// flushed to the disk, which then takes the file's place, so a crash leaves
// the old file or the new one. A symbolic link is written through to the
// file it names. With `ownOnly`, the file is this game's alone: the first
// write takes a lock beside it (PATH.lock) that lasts till the game ends, and
// while another game holds it nothing is written. A failure is printed in one
// line: `failure`, the path and the reason.
WriteResult replaceFile(const std::filesystem::path& path, const std::string& text, const std::string& failure,
                        bool ownOnly = false);
// The player's own settings.txt in that folder when there is one, else the
// data folder's.
std::string settingsFileName();
