#pragma once

#include <string>

// Everything the player can do with a key, a mouse button or the pad, in the
// order the help and the key editor list them.
enum class Action {
    thrust,
    reverse,
    turnLeft,
    turnRight,
    stop,
    autopilot,
    nextDestination,
    aimLeft,
    aimRight,
    aimUp,
    aimDown,
    fire,
    weapon1,
    weapon2,
    weapon3,
    nextWeapon,
    previousWeapon,
    zoomIn,
    zoomOut,
    map,
    hud,
    statusLines,
    help,
    pause,
    mute,
    screenshot,
    fullScreen,
    fewerEnemies,
    moreEnemies,
    flattenDepth,
    deepenDepth,
    farPlaneOut,
    farPlaneIn,
    quit,
};
const int actionCount = static_cast<int>(Action::quit) + 1;

// Where input goes: the running game, the paused game with its menu, the
// screens of menus (title, closing screen), the key editor waiting for
// the key to bind, which takes every key for itself, and a replay being
// watched, where the weapon keys choose its speed and nothing flies.
enum class InputContext { play, paused, menus, keyEditor, replay };

// Whether a press of the action's key acts in that context.
bool actsIn(Action action, InputContext context);

// The action's name in settings.txt ("turn_left").
const char* actionName(Action action);
// What it does, for the help and the key editor ("turn left").
const char* actionDescription(Action action);
// False when no action has that name.
bool actionFromName(const std::string& name, Action& action);
