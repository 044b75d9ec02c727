#include "screens/ControlsTable.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/Constants.h"
#include "core/Wording.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const float textScale = 16;
const float actionX = 170;
const float keyX = 690;
const float padX = 955;
const float tableRight = padX + 220;
const float clashY = 125;

float rowY(const ControlsTable& table, int row) { return controlsTop - controlsRowHeight * (row - table.first); }

void drawRowBack(const ControlsTable& table, int row) {
    drawPanel(actionX - 20, rowY(table, row) - 7, tableRight - actionX, controlsRowHeight,
              Colour{1, 0.82f, 0.3f, 0.16f});
}

std::string keyText(KeyInput key) { return key.bound() ? keyLabel(key) : "none"; }

std::string padText(PadInput pad) { return pad.bound() ? padName(pad) : "none"; }

// The other actions whose input `same` says is the action's own.
template <typename Same>
std::vector<std::string> othersOn(Action action, Same same) {
    std::vector<std::string> names;
    for (int i = 0; i < actionCount; ++i) {
        Action other = static_cast<Action>(i);
        if (other != action && same(other)) names.push_back(capitalised(actionDescription(other)));
    }
    return names;
}

void drawActionRow(Font& font, const Bindings& bindings, const ControlsTable& table, int row) {
    Action action = static_cast<Action>(row);
    bool chosen = row == table.selected;
    if (chosen) drawRowBack(table, row);
    float y = rowY(table, row);
    Colour text = chosen ? colours::highlight : colours::grey;
    drawText(font, actionDescription(action), actionX, y, textScale, text);
    const Binding& binding = bindings[action];
    if (chosen && table.waiting) {
        drawText(font, "press a key, button or pad control", keyX, y, textScale, colours::white);
        return;
    }
    Colour keyColour = binding.key.bound() ? text : colours::dim;
    Colour padColour = binding.pad.bound() ? text : colours::dim;
    drawText(font, keyText(binding.key), keyX, y, textScale, keyClashes(bindings, action) ? colours::warning : keyColour);
    drawText(font, padText(binding.pad), padX, y, textScale, padClashes(bindings, action) ? colours::warning : padColour);
}
}  // namespace

void drawControlsTable(Font& font, const Bindings& bindings, const ControlsTable& table) {
    float headerY = controlsTop + 32;
    drawText(font, "Action", actionX, headerY, textScale, colours::calm);
    drawText(font, "Key or mouse", keyX, headerY, textScale, colours::calm);
    drawText(font, "Pad", padX, headerY, textScale, colours::calm);
    int total = table.totalRows();
    int last = std::min(total, table.first + table.shown);
    if (table.first > 0 || last < total) {
        std::string range = std::to_string(table.first + 1) + "-" + std::to_string(last) + " of " + std::to_string(total);
        drawText(font, range, tableRight, headerY, 13, colours::dim, Align::right);
    }
    for (int row = table.first; row < last; ++row) {
        if (row < actionCount) {
            drawActionRow(font, bindings, table, row);
            continue;
        }
        if (row == table.selected) drawRowBack(table, row);
        drawText(font, table.extraLabels[row - actionCount], actionX, rowY(table, row), textScale,
                 row == table.selected ? colours::highlight : colours::white);
    }
    if (table.selected >= 0 && table.selected < actionCount && !table.waiting) {
        std::string clash = clashText(bindings, static_cast<Action>(table.selected));
        drawText(font, clash, w / 2.0f, clashY, textScale, colours::warning, Align::centre);
    }
}

int controlsRowAt(float y, const ControlsTable& table) {
    int last = std::min(table.totalRows(), table.first + table.shown);
    for (int row = table.first; row < last; ++row) {
        float bottom = rowY(table, row) - 7;
        if (y >= bottom && y < bottom + controlsRowHeight) return row;
    }
    return -1;
}

void keepSelectedInView(ControlsTable& table) {
    if (table.selected < 0) return;
    if (table.selected < table.first) table.first = table.selected;
    if (table.selected >= table.first + table.shown) table.first = table.selected - table.shown + 1;
}

std::string clashText(const Bindings& bindings, Action action) {
    const Binding& own = bindings[action];
    std::vector<std::string> parts;
    if (own.key.bound()) {
        std::vector<std::string> others = othersOn(action, [&](Action other) { return bindings[other].key == own.key; });
        if (!others.empty()) parts.push_back(capitalised(keyLabel(own.key)) + " is also " + listed(others));
    }
    if (own.pad.bound()) {
        std::vector<std::string> others = othersOn(action, [&](Action other) { return bindings[other].pad == own.pad; });
        if (!others.empty()) parts.push_back("Pad " + padName(own.pad) + " is also " + listed(others));
    }
    return parts.empty() ? "" : parts.size() == 1 ? parts[0] : parts[0] + "; " + parts[1];
}
