#include "input/StickRules.h"

#include <algorithm>

namespace {

const float fullTravel = 32767;
// Pushed this far (a fraction of the travel) counts as all the way.
const float fullAt = 0.95f;
// An axis past half its travel is pressed, as a button would be.
const int pressedAt = 16384;

// The entry for `index`, the vector grown when an event names a control the
// pad did not report.
template <typename Value>
Value& entry(std::vector<Value>& values, int index) {
    if (static_cast<size_t>(index) >= values.size()) values.resize(index + 1, 0);
    return values[index];
}

template <typename Value>
Value valueOf(const std::vector<Value>& values, int index) {
    return index >= 0 && static_cast<size_t>(index) < values.size() ? values[index] : 0;
}

bool axisPressed(int value, int direction) { return value * direction >= pressedAt; }

}  // namespace

float padAmount(const PadState& pad, PadInput control, float deadZone) {
    switch (control.kind) {
        case PadInput::Kind::button: return valueOf(pad.buttons, control.index) ? 1.0f : 0.0f;
        case PadInput::Kind::hat: return valueOf(pad.hats, control.index) & control.direction ? 1.0f : 0.0f;
        case PadInput::Kind::axis: {
            float push = valueOf(pad.axes, control.index) * control.direction / fullTravel;
            if (push <= deadZone) return 0;
            return std::min(1.0f, (push - deadZone) / (fullAt - deadZone));
        }
        case PadInput::Kind::none: break;
    }
    return 0;
}

std::vector<PadInput> applyPadEvent(PadState& pad, const SDL_Event& event) {
    std::vector<PadInput> pressed;
    if (event.type == SDL_JOYBUTTONDOWN || event.type == SDL_JOYBUTTONUP) {
        Uint8& button = entry(pad.buttons, event.jbutton.button);
        if (event.type == SDL_JOYBUTTONDOWN && !button) pressed.push_back(PadInput::button(event.jbutton.button));
        button = event.type == SDL_JOYBUTTONDOWN;
    } else if (event.type == SDL_JOYHATMOTION) {
        Uint8& hat = entry(pad.hats, event.jhat.hat);
        for (int direction : {SDL_HAT_UP, SDL_HAT_RIGHT, SDL_HAT_DOWN, SDL_HAT_LEFT}) {
            if (event.jhat.value & direction & ~hat) pressed.push_back(PadInput::hat(event.jhat.hat, direction));
        }
        hat = event.jhat.value;
    } else if (event.type == SDL_JOYAXISMOTION) {
        Sint16& axis = entry(pad.axes, event.jaxis.axis);
        for (int direction : {+1, -1}) {
            if (axisPressed(event.jaxis.value, direction) && !axisPressed(axis, direction)) {
                pressed.push_back(PadInput::axis(event.jaxis.axis, direction));
            }
        }
        axis = event.jaxis.value;
    }
    return pressed;
}
