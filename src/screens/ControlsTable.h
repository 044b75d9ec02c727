#pragma once

#include <string>

#include "settings/Bindings.h"

class Font;

// The controls as they are bound now, one action a row: what it does, its
// key or mouse button, its pad control. The help shows it a page at a time;
// the key editor scrolls it to keep the chosen row (`selected`, -1 for none)
// in view, marks the row waiting for its new key, shows keys bound twice in a
// warning colour and says what the chosen row's key clashes with.
struct ControlsTable {
    int selected = -1;
    bool waiting = false;
    // Rows below the actions (the key editor's "Reset to defaults", "Back").
    int extraRows = 0;
    const char* extraLabels[2] = {nullptr, nullptr};
    // The rows shown: `shown` of them from `first`.
    int first = 0;
    int shown = 0;

    int totalRows() const { return actionCount + extraRows; }
};

const float controlsTop = 905;
const float controlsRowHeight = 28;
// As many rows as fit between the header and the foot of the picture.
const int controlsRowsShown = 27;

void drawControlsTable(Font& font, const Bindings& bindings, const ControlsTable& table);
// The row at a height of the layout, or -1.
int controlsRowAt(float y, const ControlsTable& table);
// Scrolls the table so that its chosen row is in view.
void keepSelectedInView(ControlsTable& table);
// "E is also Next weapon": what else the action's key and pad control set
// off; "" when nothing does.
std::string clashText(const Bindings& bindings, Action action);
