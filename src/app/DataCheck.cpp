#include "app/DataCheck.h"

#include <iostream>
#include <string>

#include "desktop/OffscreenGl.h"
#include "app/Startup.h"
#include "assets/DataReport.h"

namespace {

void say(const char* line) { std::cout << line << std::endl; }

std::string counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

int runDataCheck() {
    setCheckingEverything(true);
    Startup startup;
    startup.withGl = openOffscreenContext();
    startup.withCampaign = true;
    bool startsUp = startup.loadAll();
    if (!startup.withGl) {
        say("No display: the images, shaders and font need OpenGL and were not checked");
    }
    std::cout << "Data check: " << counted(DataReport::totalErrors, "problem") << " and "
              << counted(DataReport::totalWarnings, "warning") << "; the game would "
              << (startsUp ? "start" : "stop at start-up") << std::endl;
    return startsUp ? 0 : 1;
}
