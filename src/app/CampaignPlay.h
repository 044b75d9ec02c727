#pragma once

class Campaign;
class Font;

// The campaign's part of a running frame, after the world step: its rules,
// then the save they ask for.
void stepCampaign(Campaign& campaign, int now, int dt);
// What the campaign tells the player, over the world: the objective, the
// score with the hull's strength, and its messages.
void drawCampaignOverlay(const Campaign& campaign, Font& font, int now);
