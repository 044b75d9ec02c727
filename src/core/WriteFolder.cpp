#include "core/WriteFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

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
