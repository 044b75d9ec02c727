#pragma once

#include "campaign/CampaignProgress.h"

class Campaign;

// The world the ship is in as it stands, for a save: the goal's count, the
// waves, the ship, the planets and the enemies; times counted from `now`.
WorldProgress worldProgress(const Campaign& campaign, int now);
// Puts the campaign's world back as it was saved, the ship in flight when it
// was (else the campaign places it at its respawn point). The save was read
// against this campaign, so every value fits it.
void resumeWorld(Campaign& campaign, const WorldProgress& saved, int now);
