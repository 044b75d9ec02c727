#pragma once

#include <string>
#include <vector>

#include "hud/HudView.h"

class HudCanvas;
class HudState;
class ScreenLayout;
class Universe;

// Arriving in a world (and starting in one) announces its name.
void noteArrival(HudState& hud, int world, int now);
// The name of the world the ship arrived in, large, for a few seconds, where
// it covers no body when it can.
void drawArrivalBanner(const HudState& hud, const Universe& universe, const HudView& view, HudCanvas& canvas,
                       ScreenLayout& layout, int now);
// The messages as shown now: while the banner names the world, a message
// that starts with the world's name leaves the name to the banner, and one
// that is only the name is left out.
std::vector<HudMessage> shownMessages(const std::vector<HudMessage>& messages, const std::string& bannerName);
// The messages under the banner, each fading out at its end, together where
// they cover no body when they can, on a dark pane where they must. Over the
// large map they are smaller, at the top.
void drawMessages(const HudView& view, const HudState& hud, const Universe& universe, HudCanvas& canvas,
                  ScreenLayout& layout, int now);
