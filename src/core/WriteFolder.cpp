#include "core/WriteFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {
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

bool replaceFile(const std::filesystem::path& path, const std::string& text, const std::string& failure) {
    auto failed = [&](const std::string& why) {
        std::cout << failure << path.string() << ": " << why << std::endl;
        return false;
    };
    std::error_code error;
    if (!path.parent_path().empty()) std::filesystem::create_directories(path.parent_path(), error);
    if (error) return failed(error.message());
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) return failed(std::strerror(errno));
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0 &&
                   fsync(fileno(file)) == 0;
    std::string why = written ? "" : std::strerror(errno);
    written = std::fclose(file) == 0 && written;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return failed(why.empty() ? "the file could not be completed" : why);
    }
    return true;
}
