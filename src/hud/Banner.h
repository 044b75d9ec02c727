#pragma once

class Campaign;
class HudCanvas;
class HudState;
class Universe;

// Arriving in a world (and starting in one) announces its name.
void noteArrival(HudState& hud, int world, int now);
// The name of the world the ship arrived in, large, for a few seconds.
void drawArrivalBanner(const HudState& hud, const Universe& universe, const Campaign* campaign, HudCanvas& canvas, int now);
// The campaign's messages under the banner, each fading out at its end.
// While the banner shows, a message that starts with the world's name
// leaves the name to the banner, and one that is only the name is left out.
// Over the large map they are smaller, at the top.
void drawCampaignMessages(const Campaign& campaign, const HudState& hud, HudCanvas& canvas, int now, bool overMap);
