#pragma once

#include "core/WriteFolder.h"

class Campaign;
class FrameState;

// The campaign's part of a running frame, after the world step: its rules,
// then the save they ask for. What it tells the player is the HUD's.
void stepCampaign(Campaign& campaign, int now, int dt);
// Writes the campaign's progress to the save and says so in one line; a
// save that fails says why on screen too.
WriteResult saveProgress(Campaign& campaign, int now);
// Ends the game at once, status 0; a campaign in progress is saved first.
[[noreturn]] void quitGame(const FrameState& state);
// The quit action: Free flight quits at once, a campaign saves and asks
// first, its question saying whether the save was written.
void requestQuit(FrameState& state);
