#include "screens/ControlsTable.h"

#include <string>

#include "core/Constants.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const float textScale = 16;
const float actionX = 170;
const float keyX = 690;
const float padX = 955;

float rowY(int row) { return controlsTop - controlsRowHeight * row; }

void drawRowBack(int row) {
    drawPanel(actionX - 20, rowY(row) - 7, padX + 220 - actionX, controlsRowHeight, Colour{1, 0.82f, 0.3f, 0.16f});
}

std::string keyText(KeyInput key) { return key.bound() ? keyLabel(key) : "none"; }

std::string padText(PadInput pad) { return pad.bound() ? padName(pad) : "none"; }
}  // namespace

void drawControlsTable(Font& font, const Bindings& bindings, const ControlsTable& table) {
    drawText(font, "Action", actionX, controlsTop + 32, textScale, colours::calm);
    drawText(font, "Key or mouse", keyX, controlsTop + 32, textScale, colours::calm);
    drawText(font, "Pad", padX, controlsTop + 32, textScale, colours::calm);
    for (int i = 0; i < actionCount; ++i) {
        Action action = static_cast<Action>(i);
        bool chosen = i == table.selected;
        if (chosen) drawRowBack(i);
        Colour text = chosen ? colours::highlight : colours::grey;
        drawText(font, actionDescription(action), actionX, rowY(i), textScale, text);
        const Binding& binding = bindings[action];
        if (chosen && table.waiting) {
            drawText(font, "press a key, button or pad control", keyX, rowY(i), textScale, colours::white);
            continue;
        }
        Colour keyColour = binding.key.bound() ? text : colours::dim;
        Colour padColour = binding.pad.bound() ? text : colours::dim;
        drawText(font, keyText(binding.key), keyX, rowY(i), textScale,
                 keyClashes(bindings, action) ? colours::warning : keyColour);
        drawText(font, padText(binding.pad), padX, rowY(i), textScale,
                 padClashes(bindings, action) ? colours::warning : padColour);
    }
    for (int extra = 0; extra < table.extraRows; ++extra) {
        int row = actionCount + extra;
        if (row == table.selected) drawRowBack(row);
        drawText(font, table.extraLabels[extra], actionX, rowY(row), textScale,
                 row == table.selected ? colours::highlight : colours::white);
    }
}

int controlsRowAt(float y, int rows) {
    for (int row = 0; row < rows; ++row) {
        if (y >= rowY(row) - 7 && y < rowY(row) - 7 + controlsRowHeight) return row;
    }
    return -1;
}
