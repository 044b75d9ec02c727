#include "settings/Bindings.h"

namespace {

struct DefaultBinding {
    Action action;
    KeyInput key;
    PadInput pad;
};

// Constant, so it is whole before any other file's statics use it.
constexpr DefaultBinding defaults[] = {
    {Action::thrust, KeyInput::key(SDLK_w), PadInput::axis(1, -1)},
    {Action::reverse, KeyInput::key(SDLK_s), PadInput::axis(1, +1)},
    {Action::turnLeft, KeyInput::key(SDLK_a), PadInput::axis(0, -1)},
    {Action::turnRight, KeyInput::key(SDLK_d), PadInput::axis(0, +1)},
    {Action::stop, KeyInput::key(SDLK_b), PadInput::button(9)},
    {Action::autopilot, KeyInput::key(SDLK_t), PadInput::hat(0, SDL_HAT_RIGHT)},
    {Action::nextDestination, KeyInput::key(SDLK_g), PadInput::hat(0, SDL_HAT_LEFT)},
    {Action::aimLeft, KeyInput{}, PadInput::axis(3, -1)},
    {Action::aimRight, KeyInput{}, PadInput::axis(3, +1)},
    {Action::aimUp, KeyInput{}, PadInput::axis(4, -1)},
    {Action::aimDown, KeyInput{}, PadInput::axis(4, +1)},
    {Action::fire, KeyInput::key(SDLK_SPACE), PadInput::button(0)},
    {Action::weapon1, KeyInput::key(SDLK_1), PadInput::button(2)},
    {Action::weapon2, KeyInput::key(SDLK_2), PadInput::button(3)},
    {Action::weapon3, KeyInput::key(SDLK_3), PadInput::button(1)},
    {Action::nextWeapon, KeyInput::key(SDLK_e), PadInput::button(5)},
    {Action::previousWeapon, KeyInput::key(SDLK_r), PadInput::button(4)},
    {Action::zoomIn, KeyInput::mouse(SDL_BUTTON_WHEELUP), PadInput::hat(0, SDL_HAT_UP)},
    {Action::zoomOut, KeyInput::mouse(SDL_BUTTON_WHEELDOWN), PadInput::hat(0, SDL_HAT_DOWN)},
    {Action::map, KeyInput::key(SDLK_TAB), PadInput::button(6)},
    {Action::hud, KeyInput::key(SDLK_F2), PadInput{}},
    {Action::statusLines, KeyInput::key(SDLK_F3), PadInput{}},
    {Action::help, KeyInput::key(SDLK_F1), PadInput{}},
    {Action::pause, KeyInput::key(SDLK_p), PadInput::button(7)},
    {Action::mute, KeyInput::key(SDLK_v), PadInput{}},
    {Action::screenshot, KeyInput::key(SDLK_F12), PadInput{}},
    {Action::fullScreen, KeyInput::key(SDLK_F11), PadInput{}},
    {Action::fewerEnemies, KeyInput::key(SDLK_MINUS), PadInput{}},
    {Action::moreEnemies, KeyInput::key(SDLK_EQUALS), PadInput{}},
    {Action::flattenDepth, KeyInput::key(SDLK_n), PadInput{}},
    {Action::deepenDepth, KeyInput::key(SDLK_m), PadInput{}},
    {Action::farPlaneOut, KeyInput::key(SDLK_x), PadInput{}},
    {Action::farPlaneIn, KeyInput::key(SDLK_c), PadInput{}},
    {Action::quit, KeyInput::key(SDLK_q), PadInput{}},
};

}  // namespace

Bindings defaultBindings() {
    Bindings bindings;
    for (const DefaultBinding& entry : defaults) {
        bindings[entry.action] = Binding{entry.key, entry.pad};
    }
    return bindings;
}

bool keyBindable(KeyInput key) { return key != KeyInput::key(SDLK_ESCAPE); }

namespace {
template <typename Input>
bool clashes(const Bindings& bindings, Action action, Input Binding::*device) {
    const Input& input = bindings[action].*device;
    for (int i = 0; i < actionCount; ++i) {
        if (static_cast<Action>(i) != action && input.bound() && bindings.of[i].*device == input) {
            return true;
        }
    }
    return false;
}
}  // namespace

bool keyClashes(const Bindings& bindings, Action action) { return clashes(bindings, action, &Binding::key); }

bool padClashes(const Bindings& bindings, Action action) { return clashes(bindings, action, &Binding::pad); }
