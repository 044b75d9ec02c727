#include <gtest/gtest.h>

#include <cmath>

#include "app/FrameState.h"
#include "app/Events.h"
#include "combat/Player.h"
#include "core/Platform.h"
#include "input/Controls.h"
#include "input/KeyPlace.h"

namespace {
SDL_Event axisEvent(int axis, int value) {
    SDL_Event event{};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = static_cast<Uint8>(axis);
    event.jaxis.value = static_cast<Sint16>(value);
    return event;
}

SDL_Event padEvent(Uint8 type, int index, int value) {
    SDL_Event event{};
    event.type = type;
    if (type == SDL_JOYHATMOTION) {
        event.jhat.hat = static_cast<Uint8>(index);
        event.jhat.value = static_cast<Uint8>(value);
    } else {
        event.jbutton.button = static_cast<Uint8>(index);
    }
    return event;
}

SDL_KeyboardEvent keyEvent(Uint8 type, int scancode, SDLKey symbol) {
    SDL_KeyboardEvent event{};
    event.type = type;
    event.keysym.scancode = static_cast<Uint8>(scancode);
    event.keysym.sym = symbol;
    return event;
}

class ControlsTest : public testing::Test {
protected:
    void TearDown() override {
        controls = Controls{};
        useKeyPlaces(false);
    }
    // The ship obeys the command the presses so far made.
    void obey() {
        ship.update(0, state.command);
        state.command = ShipCommand{};
    }
    static ShipCommand held() {
        ShipCommand command;
        addHeldActions(command);
        return command;
    }
    Player ship{point{0, 0}, 0.001f, 0.001f, 0.003f, 1000, 40};
    FrameState state;
};
}  // namespace

TEST(StickRules, DeadZoneDirectionAndFullTravel) {
    PadState pad{{0, 6000, -16000, 32767, -32768}, {0, 1}, {SDL_HAT_UP | SDL_HAT_LEFT}};
    const float deadZone = 0.2f;
    EXPECT_EQ(padAmount(pad, PadInput::axis(1, +1), deadZone), 0);  // inside the dead zone
    EXPECT_NEAR(padAmount(pad, PadInput::axis(2, -1), deadZone), (16000 / 32767.0f - 0.2f) / 0.75f, 1e-5);
    EXPECT_EQ(padAmount(pad, PadInput::axis(2, +1), deadZone), 0);  // the other way
    EXPECT_EQ(padAmount(pad, PadInput::axis(3, +1), deadZone), 1);
    EXPECT_EQ(padAmount(pad, PadInput::axis(4, -1), deadZone), 1);
    EXPECT_EQ(padAmount(pad, PadInput::axis(9, -1), deadZone), 0);  // the pad has no such axis
    EXPECT_EQ(padAmount(pad, PadInput::button(1), deadZone), 1);
    EXPECT_EQ(padAmount(pad, PadInput::button(0), deadZone), 0);
    EXPECT_EQ(padAmount(pad, PadInput::hat(0, SDL_HAT_LEFT), deadZone), 1);
    EXPECT_EQ(padAmount(pad, PadInput::hat(0, SDL_HAT_DOWN), deadZone), 0);
    EXPECT_EQ(padAmount(pad, PadInput{}, deadZone), 0);
}

TEST(StickRules, PressesAreButtonsGoingDownHatsNewlyHeldAndAxesCrossingHalfway) {
    PadState pad;
    using Presses = std::vector<PadInput>;
    EXPECT_EQ(applyPadEvent(pad, padEvent(SDL_JOYBUTTONDOWN, 7, 1)), Presses{PadInput::button(7)});
    EXPECT_EQ(pad.buttons.size(), 8u);
    EXPECT_EQ(applyPadEvent(pad, padEvent(SDL_JOYBUTTONDOWN, 7, 1)), Presses{});
    EXPECT_EQ(applyPadEvent(pad, padEvent(SDL_JOYBUTTONUP, 7, 0)), Presses{});
    EXPECT_EQ(pad.buttons[7], 0);
    EXPECT_EQ(applyPadEvent(pad, padEvent(SDL_JOYHATMOTION, 0, SDL_HAT_UP)),
              Presses{PadInput::hat(0, SDL_HAT_UP)});
    EXPECT_EQ(applyPadEvent(pad, padEvent(SDL_JOYHATMOTION, 0, SDL_HAT_RIGHTUP)),
              Presses{PadInput::hat(0, SDL_HAT_RIGHT)});
    EXPECT_EQ(applyPadEvent(pad, axisEvent(1, 16000)), Presses{});
    EXPECT_EQ(applyPadEvent(pad, axisEvent(1, 20000)), Presses{PadInput::axis(1, +1)});
    EXPECT_EQ(applyPadEvent(pad, axisEvent(1, 30000)), Presses{});  // still out
    EXPECT_EQ(applyPadEvent(pad, axisEvent(1, -32768)), Presses{PadInput::axis(1, -1)});
    EXPECT_EQ(pad.axes[1], -32768);
    SDL_Event other{};
    other.type = SDL_MOUSEMOTION;
    EXPECT_EQ(applyPadEvent(pad, other), Presses{});
}

TEST_F(ControlsTest, KeysAreHeldByTheirPlaceUntilTheirSymbolComesUp) {
    useKeyPlaces(true);
    // The key at W's place types z on a French keyboard.
    EXPECT_EQ(noteKeyEvent(keyEvent(SDL_KEYDOWN, 25, SDLK_z)), SDLK_w);
    EXPECT_TRUE(keyHeld(SDLK_w));
    EXPECT_FALSE(keyHeld(SDLK_z));
    EXPECT_TRUE(actionHeld(Action::thrust));
    // Released by the focus loss's key-up, which has no scancode.
    noteKeyEvent(keyEvent(SDL_KEYUP, 0, SDLK_z));
    EXPECT_FALSE(keyHeld(SDLK_w));
    EXPECT_EQ(noteKeyEvent(keyEvent(SDL_KEYDOWN, 9, SDLK_ESCAPE)), SDLK_ESCAPE);  // not a moving key
    noteKeyEvent(keyEvent(SDL_KEYUP, 9, SDLK_ESCAPE));
    useKeyPlaces(false);
    EXPECT_EQ(keyAtPlace(keyEvent(SDL_KEYDOWN, 25, SDLK_z).keysym), SDLK_z);
}

TEST_F(ControlsTest, ReboundKeysAndPadPressesActAndTheOldKeyDoesNot) {
    controls.bindings[Action::weapon3].key = KeyInput::key(SDLK_k);
    applyKeyPress(SDLK_3, state, ship);
    obey();
    EXPECT_EQ(ship.weapon, 0);
    applyKeyPress(SDLK_k, state, ship);
    obey();
    EXPECT_EQ(ship.weapon, 2);
    applyKeyPress(SDLK_e, state, ship);  // next wraps round
    obey();
    EXPECT_EQ(ship.weapon, 0);
    applyPadPress(PadInput::button(4), state, ship);  // previous, on the left shoulder
    obey();
    EXPECT_EQ(ship.weapon, 2);
    applyKeyPress(SDLK_F3, state, ship);
    EXPECT_FALSE(state.shown.statusLines);
    applyPadPress(PadInput::button(7), state, ship);  // start
    EXPECT_TRUE(state.pause.wanted);
    applyKeyPress(SDLK_ESCAPE, state, ship);  // not a binding: always there
    state.pause.paused = true;
    applyKeyPress(SDLK_ESCAPE, state, ship);
    EXPECT_FALSE(state.pause.wanted);
}

TEST_F(ControlsTest, AStickFliesInProportionAndKeysStillTakeWholeSteps) {
    controls.padDeadZone = 0;
    const Sint16 halfway = static_cast<Sint16>(-0.475f * 32767);  // full is 95 % of the travel
    controls.pad.axes = {halfway, halfway};
    ship.update(100, held());
    EXPECT_NEAR(ship.angle, 0.15f, 1e-4);  // half a step left
    EXPECT_NEAR(ship.velocity.x * std::cos(ship.angle) + ship.velocity.y * std::sin(ship.angle), 0.05f, 1e-5);
    EXPECT_NEAR(ship.thrustLevel, 0.5f, 1e-4);
    setKeyHeld(SDLK_d, true);  // the key's whole step right, the stick's half step left
    float before = ship.angle;
    ship.update(100, held());
    EXPECT_NEAR(ship.angle, before - 0.3f + 0.15f, 1e-4);

    state.frameTime = 100;
    controls.pad.axes = {0, 0, 0, 32767, 0};
    controls.bindings[Action::aimUp].key = KeyInput::key(SDLK_i);
    setKeyHeld(SDLK_i, true);
    state.steerCursor(actionAmount(Action::aimRight), actionAmount(Action::aimUp));
    EXPECT_FLOAT_EQ(state.cursor.x, 60);  // a tenth of the view in 100 ms
    EXPECT_FLOAT_EQ(state.cursor.y, 60);
    releaseAllKeys();
}
