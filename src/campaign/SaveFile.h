#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "core/WriteFolder.h"

class CampaignScript;
class Universe;

// Both live in the player's folder (writeFolder()).
const char* const saveFileName = "campaign-save.txt";
const char* const bestResultsFileName = "best-results.txt";
const size_t bestResultsKept = 10;

// Writes the save whole or not at all: into a temporary file that then
// replaces the old save, every value kept within what readSave takes back.
// A save with the world's progress is of version 2, one without of version 1.
// The first save takes the save for this game alone: while another game
// holds it, nothing is written. A failure gets a line naming the file, and
// its reason in a player's words.
WriteResult writeSave(const SavedCampaign& save);
// The save's text as writeSave writes it.
std::string saveText(const SavedCampaign& save);
// Reads a save's text as readSave does, quietly: false with the problem
// and its line (0 for the whole file).
bool parseSave(const CampaignScript& script, const Universe& universe, const std::string& text, SavedCampaign& save,
               std::string& problem, int& line);
// Reads the save, checking every value, also against the campaign it is to
// go on with. False when there is none; a damaged, foreign or later one also
// gets one line naming the file, the line and what is wrong. A save of
// version 1 is read without the world's progress, saying in one line that
// its world starts again.
bool readSave(const CampaignScript& script, const Universe& universe, SavedCampaign& save);
// After a won campaign there is nothing to continue.
void removeSave();

// The best finished runs of every mode (modeOf), the best ones of each kept,
// best first; lines that cannot be read are left out with one line naming
// the first of them.
std::vector<RunResult> readBestResults();
// Adds a finished run, keeps the best ones of its mode and writes them all;
// the run's place among its mode's (1 is the best), or 0 when it did not make
// the list. `results` gets the best runs of its mode as they now stand.
size_t recordBestResult(const RunResult& result, std::vector<RunResult>& results);
