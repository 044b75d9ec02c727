#include "core/WriteFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <vector>

namespace {

const int mostLinkHops = 40;
const char* const rootRefusal = "the game runs as root and leaves another user's folder alone";
const char* const foreignLink = "it links into another user's folder";
const char* const lockedFile = "another game is using the same file";

std::filesystem::path playerDataHome() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // A relative one is to be ignored, as if unset.
    if (dataHome && dataHome[0] == '/') {
        return dataHome;
    }
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') {
        const passwd* entry = getpwuid(getuid());
        home = entry ? entry->pw_dir : nullptr;
    }
    if (home && home[0] != '\0') {
        return std::filesystem::path(home) / ".local" / "share";
    }
    return {};
}

bool runAsRoot() { return geteuid() == 0; }

std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.parent_path().empty() ? "." : path.parent_path();
}

// The nearest folder on the way to `path` that exists, `path` itself when it does.
std::filesystem::path nearestExisting(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path at = std::filesystem::absolute(path, error);
    while (!std::filesystem::exists(at, error) && at != at.parent_path()) at = at.parent_path();
    return at;
}

bool ownerOf(const std::filesystem::path& path, struct stat& info) { return stat(path.c_str(), &info) == 0; }

// An installed game run as root leaves every other user's folders alone.
bool refusedAsRoot(const std::filesystem::path& folder) {
    struct stat info {};
    return runAsRoot() && std::getenv("RERARA_INSTALLED") && ownerOf(nearestExisting(folder), info) &&
           info.st_uid != 0;
}

std::string systemWords(int error) { return std::strerror(error); }

// Why a write into `folder` failed, as a player would put it.
std::string reasonFor(int error, const std::filesystem::path& folder) {
    if (error == ENOSPC || error == EDQUOT) return "the disk is full";
    if (error == EROFS) return "the folder is read-only";
    if (error == EACCES || error == EPERM) {
        struct stat info {};
        bool own = ownerOf(nearestExisting(folder), info) && info.st_uid == geteuid();
        return own ? "the folder is read-only" : "no permission to write there";
    }
    std::string words = systemWords(error);
    if (!words.empty()) words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    return words;
}

// Run as root, a link is followed only when root made it or it leads into a
// folder of the link's owner: nobody steers the game's writes into files
// that are not theirs.
bool mayFollow(const struct stat& link, const std::filesystem::path& target) {
    struct stat folder {};
    return !runAsRoot() || link.st_uid == 0 || (ownerOf(folderOf(target), folder) && folder.st_uid == link.st_uid);
}

// Where a write to `path` lands: through symbolic links, the file they name.
// False when a link may not be followed.
bool followLinks(std::filesystem::path& path) {
    for (int hop = 0; hop < mostLinkHops; ++hop) {
        struct stat link {};
        if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
        std::error_code error;
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return true;
        if (target.is_relative()) target = path.parent_path() / target;
        if (!mayFollow(link, target)) return false;
        path = target;
    }
    return true;
}

// The lock files this game holds, by absolute path, each open till it ends.
std::map<std::string, int> heldLocks;

// Takes the lock beside `file` for as long as the game runs; the reason why
// not, or empty.
std::string holdLock(const std::filesystem::path& file, std::string& detail) {
    std::error_code error;
    std::string lock = std::filesystem::absolute(file, error).string() + ".lock";
    if (heldLocks.count(lock) != 0) return "";
    int held = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (held < 0) {
        detail = systemWords(errno);
        return reasonFor(errno, folderOf(file));
    }
    giveToFolderOwner(lock);
    if (flock(held, LOCK_EX | LOCK_NB) != 0) {
        bool busy = errno == EWOULDBLOCK;
        detail = busy ? lockedFile : systemWords(errno);
        std::string reason = busy ? lockedFile : reasonFor(errno, folderOf(file));
        close(held);
        return reason;
    }
    heldLocks[lock] = held;
    return "";
}

bool writeAll(int file, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t wrote = write(file, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

// Writes `text` into a new file at `path`, flushed to the disk; the reason
// why not, or empty. A file left there by an earlier game of the same
// process number goes first, and no link is followed.
std::string writeNewFile(const std::filesystem::path& path, const std::string& text, std::string& detail) {
    unlink(path.c_str());
    int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) {
        detail = systemWords(errno);
        return reasonFor(errno, folderOf(path));
    }
    giveToFolderOwner(path);
    errno = 0;
    bool written = writeAll(file, text) && fsync(file) == 0;
    int error = written ? 0 : errno;
    if (close(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) return "";
    detail = error != 0 ? systemWords(error) : "the file could not be completed";
    return error != 0 ? reasonFor(error, folderOf(path)) : detail;
}

}  // namespace

std::filesystem::path writeFolder() {
    // An installed data folder is every player's: even root leaves it alone.
    bool installed = std::getenv("RERARA_INSTALLED") != nullptr;
    if (!installed && access(".", W_OK) == 0) {
        return {};
    }
    std::filesystem::path home = playerDataHome();
    return home.empty() ? home : home / "rerara";
}

std::string settingsFileName() {
    std::filesystem::path own = writeFolder() / "settings.txt";
    std::error_code error;
    return std::filesystem::exists(own, error) ? own.string() : "settings.txt";
}

bool giveToFolderOwner(const std::filesystem::path& made) {
    struct stat folder {};
    if (!runAsRoot() || !ownerOf(folderOf(made), folder) || folder.st_uid == 0) return true;
    return lchown(made.c_str(), folder.st_uid, folder.st_gid) == 0;
}

std::string makeFolders(const std::filesystem::path& folder, std::string& detail) {
    if (folder.empty()) return "";
    if (refusedAsRoot(folder)) {
        detail = rootRefusal;
        return rootRefusal;
    }
    // Top down, so that each new folder takes the owner of the one it is in.
    std::vector<std::filesystem::path> missing;
    std::error_code error;
    for (std::filesystem::path at = folder; !at.empty(); at = at.parent_path()) {
        if (std::filesystem::exists(std::filesystem::symlink_status(at, error))) break;
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    for (auto at = missing.rbegin(); at != missing.rend(); ++at) {
        if (mkdir(at->c_str(), 0777) != 0 && errno != EEXIST) {
            detail = systemWords(errno);
            return reasonFor(errno, folderOf(*at));
        }
        giveToFolderOwner(*at);
    }
    if (!std::filesystem::is_directory(folder, error)) {
        detail = systemWords(ENOTDIR);
        return "a file is where its folder should be";
    }
    return "";
}

WriteResult replaceFile(const std::filesystem::path& path, const std::string& text, const std::string& failure,
                        bool ownOnly) {
    std::string detail;
    auto failed = [&](const std::string& reason) {
        std::cout << failure << path.string() << ": " << detail << std::endl;
        return WriteResult{false, reason};
    };
    std::filesystem::path target = path;
    if (!followLinks(target)) {
        detail = foreignLink;
        return failed(foreignLink);
    }
    std::string reason = makeFolders(target.parent_path(), detail);
    if (reason.empty() && ownOnly) reason = holdLock(target, detail);
    if (!reason.empty()) return failed(reason);
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(getpid()) + ".tmp";
    reason = writeNewFile(temporary, text, detail);
    if (reason.empty() && rename(temporary.c_str(), target.c_str()) != 0) {
        detail = systemWords(errno);
        reason = reasonFor(errno, folderOf(target));
    }
    if (reason.empty()) return WriteResult{true, ""};
    unlink(temporary.c_str());
    return failed(reason);
}
