#include "input/Gamepad.h"

#include <SDL/SDL.h>

#include <iostream>
#include <string>

#include "input/Controls.h"

namespace {

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string nameOf(int index) {
    const char* name = SDL_JoystickName(index);
    return name ? name : "a pad without a name";
}

PadState stateOf(SDL_Joystick* pad) {
    PadState state;
    for (int i = 0; i < SDL_JoystickNumAxes(pad); ++i) state.axes.push_back(SDL_JoystickGetAxis(pad, i));
    for (int i = 0; i < SDL_JoystickNumButtons(pad); ++i) state.buttons.push_back(SDL_JoystickGetButton(pad, i));
    for (int i = 0; i < SDL_JoystickNumHats(pad); ++i) state.hats.push_back(SDL_JoystickGetHat(pad, i));
    return state;
}

}  // namespace

void openGamepad() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        std::cout << "No gamepad: " << SDL_GetError() << std::endl;
        return;
    }
    if (SDL_NumJoysticks() < 1) {
        std::cout << "No gamepad found" << std::endl;
        return;
    }
    SDL_Joystick* pad = SDL_JoystickOpen(0);
    if (!pad) {
        std::cout << "No gamepad: " << nameOf(0) << " cannot be opened (" << SDL_GetError()
                  << ")" << std::endl;
        return;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    controls.pad = stateOf(pad);
    std::cout << "Gamepad: " << nameOf(0) << " (" << counted(SDL_JoystickNumAxes(pad), "axis", "axes")
              << ", " << counted(SDL_JoystickNumButtons(pad), "button", "buttons") << ", "
              << counted(SDL_JoystickNumHats(pad), "hat", "hats") << ")" << std::endl;
}
