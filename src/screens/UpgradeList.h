#pragma once

#include <string>
#include <vector>

class Font;

// The upgrades a run has taken, centred on the layout: "Upgrades: " and one
// item for each, wrapped into at most `rows` lines of `width` pixels from the
// baseline `y` down; what does not fit is counted ("and 3 more"). Nothing
// for none.
void drawUpgradeList(Font& font, const std::vector<std::string>& items, float y, float scale, float width,
                     size_t rows);
