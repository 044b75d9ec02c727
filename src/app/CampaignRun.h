#pragma once

#include <vector>

#include "campaign/CampaignProgress.h"
#include "core/WriteFolder.h"

class Campaign;
class FrameState;

// The campaign's part of a running frame, after the world step: its rules,
// then the save they ask for (a replay never saves). What it tells the
// player is the HUD's.
void stepCampaign(Campaign& campaign, int now, int dt, bool saves);
// Writes the campaign's progress to the save and says so in one line; a
// save that fails says why on screen too.
WriteResult saveProgress(Campaign& campaign, int now);
// Adds a finished run to the best results and says in one line where it
// stands; its place (1 is the best), 0 when below them; `best` as for
// recordBestResult.
size_t recordResult(const RunResult& run, std::vector<RunResult>& best);
// The player leaves a run still under way: a campaign is saved, an endless
// run ends and its result is kept.
WriteResult leaveRun(Campaign& campaign, int now);
// Ends the game at once, status 0; a run in progress is left first, and
// ends with its closing line. A replay just stops.
[[noreturn]] void quitGame(const FrameState& state);
// The quit action: Free flight quits at once, a campaign saves and asks
// first, its question saying whether the save was written.
void requestQuit(FrameState& state);
