#pragma once

#include <cstdint>
#include <ostream>
#include <string>

// What the command line asks for; CommandLine.cpp lists the flag of each.
struct Options {
    bool fullScreen = false;
    bool help = false;
    bool check = false;
    bool freeFlight = false;
    bool seedGiven = false;
    uint64_t seed = 0;
    std::string writeWorlds;  // the folder to write generated worlds into
    std::string replay;       // a recorded run to watch (or, with --check, to check)
    bool wrong = false;       // a flag's value is missing or unusable
};

// An argument that names no flag gets one line on standard error and is
// otherwise ignored, as every argument used to be. A flag whose value is
// missing or unusable gets one too, and sets `wrong`.
Options parseCommandLine(int argc, char** argv);
void printHelp(std::ostream& out);
