#pragma once

class Campaign;

// Writes the campaign's progress to the save and says so in one line.
void saveProgress(const Campaign& campaign);
