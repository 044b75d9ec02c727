#pragma once

#include "settings/Bindings.h"

class Font;

// The controls as they are bound now, one action a row: what it does, its
// key or mouse button, its pad control. The help shows it; the key editor
// marks a row chosen (`selected`, -1 for none), the row waiting for its new
// key, and keys bound twice in a warning colour.
struct ControlsTable {
    int selected = -1;
    bool waiting = false;
    // Rows below the actions (the key editor's "Reset to defaults", "Back").
    int extraRows = 0;
    const char* extraLabels[2] = {nullptr, nullptr};
};

const float controlsTop = 905;
const float controlsRowHeight = 23;

void drawControlsTable(Font& font, const Bindings& bindings, const ControlsTable& table);
// The row at a height of the layout, or -1.
int controlsRowAt(float y, int rows);
