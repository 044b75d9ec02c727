#pragma once

#include <ostream>

// What the command line asks for; CommandLine.cpp lists the flag of each.
struct Options {
    bool fullScreen = false;
    bool help = false;
    bool check = false;
    bool freeFlight = false;
};

// An argument that names no flag gets one line on standard error and is
// otherwise ignored, as every argument used to be.
Options parseCommandLine(int argc, char** argv);
void printHelp(std::ostream& out);
