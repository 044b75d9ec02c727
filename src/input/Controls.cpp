#include "input/Controls.h"

#include "core/Platform.h"
#include "input/KeyPlace.h"

Controls controls;

namespace {

// Where each symbol's key went down, until it comes up.
SDLKey placeOfSymbol[SDLK_LAST] = {};

bool held(KeyInput key) {
    switch (key.device) {
        case KeyInput::Device::key: return key.code > 0 && key.code < SDLK_LAST && keyHeld(static_cast<SDLKey>(key.code));
        case KeyInput::Device::mouse: return mouseButtonHeld(key.code);
        case KeyInput::Device::none: break;
    }
    return false;
}

}  // namespace

float actionAmount(Action action) {
    const Binding& binding = controls.bindings[action];
    if (held(binding.key)) return 1;
    return padAmount(controls.pad, binding.pad, controls.padDeadZone);
}

bool actionHeld(Action action) { return actionAmount(action) > 0; }

void addHeldActions(ShipCommand& command) {
    command.turnLeft = actionAmount(Action::turnLeft);
    command.turnRight = actionAmount(Action::turnRight);
    command.thrust = actionAmount(Action::thrust);
    command.reverse = actionAmount(Action::reverse);
    command.fire = actionHeld(Action::fire);
}

namespace {
template <typename Input>
std::vector<Action> actionsOf(const Input& input, Input Binding::*device) {
    std::vector<Action> actions;
    for (int i = 0; i < actionCount; ++i) {
        if (input.bound() && controls.bindings.of[i].*device == input) actions.push_back(static_cast<Action>(i));
    }
    return actions;
}
}  // namespace

std::vector<Action> actionsOfKey(KeyInput key) { return actionsOf(key, &Binding::key); }

std::vector<Action> actionsOfPad(PadInput pad) { return actionsOf(pad, &Binding::pad); }

SDLKey noteKeyEvent(const SDL_KeyboardEvent& event) {
    SDLKey symbol = event.keysym.sym;
    SDLKey place = keyAtPlace(event.keysym);
    if (symbol <= SDLK_UNKNOWN || symbol >= SDLK_LAST || place <= SDLK_UNKNOWN || place >= SDLK_LAST) {
        return place;
    }
    if (event.type == SDL_KEYDOWN) {
        placeOfSymbol[symbol] = place;
        setKeyHeld(place, true);
        return place;
    }
    if (placeOfSymbol[symbol] != SDLK_UNKNOWN) place = placeOfSymbol[symbol];
    placeOfSymbol[symbol] = SDLK_UNKNOWN;
    setKeyHeld(place, false);
    return place;
}
