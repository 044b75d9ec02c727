#include "app/DataCheck.h"

#include <iostream>
#include <string>

#include "desktop/OffscreenGl.h"
#include "app/ReplayRun.h"
#include "app/Startup.h"
#include "assets/DataReport.h"
#include "campaign/SaveFile.h"

namespace {

void say(const char* line) { std::cout << line << std::endl; }

std::string counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// A replay is read whole, and must fit the game and the data just read.
bool checkReplay(const Startup& startup, const std::string& file) {
    Replay replay;
    SavedCampaign save;
    if (!readReplay(file, replay) || !replayFits(replay, startup, file, save)) {
        DataReport::noteProblem();
        return false;
    }
    long long played = 0;
    for (const ReplayFrame& frame : replay.frames) played += frame.frameTime;
    std::cout << file << ": " << modeName(replay.header.mode) << ", " << replay.frames.size() << " frames, "
              << playTime(played) << (replay.header.ended ? "" : ", unfinished") << "; it can be played" << std::endl;
    return true;
}

}  // namespace

int runDataCheck(const std::string& replay) {
    setCheckingEverything(true);
    Startup startup;
    startup.withGl = openOffscreenContext();
    startup.withCampaign = true;
    bool startsUp = startup.loadAll();
    // Against the data the game reads as it starts, as a replay is.
    bool playable = replay.empty() || checkReplay(startup, replay);
    if (!startup.withGl) {
        say("No display: the images, shaders and font need OpenGL and were not checked");
    }
    std::cout << "Data check: " << counted(DataReport::totalErrors, "problem") << " and "
              << counted(DataReport::totalWarnings, "warning") << "; the game would "
              << (startsUp ? "start" : "stop at start-up") << std::endl;
    return startsUp && playable ? 0 : 1;
}
