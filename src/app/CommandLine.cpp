#include "app/CommandLine.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>

namespace {

// One flag: its name, what --help says of it, and the option it switches on.
// A new flag is one more entry here.
struct Flag {
    const char* name;
    const char* description;
    bool Options::*option;
};

const Flag flags[] = {
    {"--fullscreen", "start in full screen at the desktop's resolution (F11 switches)",
     &Options::fullScreen},
    {"--free-flight", "fly freely at once, without the title screen or the campaign",
     &Options::freeFlight},
    {"--check", "read every data file as start-up does, report every problem, and exit",
     &Options::check},
    {"--help", "print these flags and exit", &Options::help},
};

// A flag followed by its value; `read` is false for a value it cannot use.
struct ValueFlag {
    const char* name;
    const char* description;
    const char* expected;
    bool (*read)(Options& options, const char* value);
};

bool readSeed(Options& options, const char* value) {
    char* end = nullptr;
    errno = 0;
    unsigned long long seed = std::strtoull(value, &end, 10);
    if (!std::isdigit(static_cast<unsigned char>(value[0])) || *end != '\0' || errno == ERANGE) return false;
    options.seed = seed;
    options.seedGiven = true;
    return true;
}

bool readWriteWorlds(Options& options, const char* value) {
    options.writeWorlds = value;
    return value[0] != '\0';
}

bool readReplayFile(Options& options, const char* value) {
    options.replay = value;
    return value[0] != '\0';
}

const ValueFlag valueFlags[] = {
    {"--seed N", "the seed of the generated worlds the title's Endless plays (or --write-worlds writes): the same seed, "
                 "the same worlds",
     "a whole number from 0 to 18446744073709551615", readSeed},
    {"--write-worlds FOLDER", "write the first ten generated worlds into FOLDER/campaign/ and exit",
     "a folder", readWriteWorlds},
    {"--replay FILE", "watch a recorded run (with --check, check that it can be played here)", "a replay file",
     readReplayFile},
};

// The value flag `argument` names ("--seed" for "--seed N"), or nullptr.
const ValueFlag* valueFlagNamed(const char* argument) {
    for (const ValueFlag& flag : valueFlags) {
        size_t length = std::strcspn(flag.name, " ");
        if (std::strlen(argument) == length && std::strncmp(argument, flag.name, length) == 0) return &flag;
    }
    return nullptr;
}

}  // namespace

Options parseCommandLine(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const Flag* match = nullptr;
        for (const Flag& flag : flags) {
            if (std::strcmp(argv[i], flag.name) == 0) match = &flag;
        }
        const ValueFlag* valued = valueFlagNamed(argv[i]);
        if (match) {
            options.*(match->option) = true;
        } else if (valued) {
            const char* name = argv[i];
            const char* value = i + 1 < argc ? argv[++i] : "";
            if (!valued->read(options, value)) {
                std::cerr << name << " needs " << valued->expected << ", not '" << value << "'" << std::endl;
                options.wrong = true;
            }
        } else {
            std::cerr << "Ignoring unknown argument '" << argv[i] << "' (--help lists the flags)"
                      << std::endl;
        }
    }
    return options;
}

void printHelp(std::ostream& out) {
    out << "Usage: rerara [flags]\n"
        << "Run it in the data folder: it reads its files from the working directory.\n";
    for (const Flag& flag : flags) {
        out << "  " << std::left << std::setw(14) << flag.name << flag.description << "\n";
    }
    for (const ValueFlag& flag : valueFlags) {
        out << "  " << flag.name << "\n  " << std::setw(14) << "" << flag.description << "\n";
    }
    out.flush();
}
