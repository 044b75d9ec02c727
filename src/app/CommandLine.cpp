#include "app/CommandLine.h"

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

}  // namespace

Options parseCommandLine(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const Flag* match = nullptr;
        for (const Flag& flag : flags) {
            if (std::strcmp(argv[i], flag.name) == 0) match = &flag;
        }
        if (match) {
            options.*(match->option) = true;
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
    out.flush();
}
