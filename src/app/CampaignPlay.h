#pragma once

class Campaign;

// The campaign's part of a running frame, after the world step: its rules,
// then the save they ask for. What it tells the player is the HUD's (src/hud).
void stepCampaign(Campaign& campaign, int now, int dt);
