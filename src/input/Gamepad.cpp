#include "input/Gamepad.h"

#include <SDL/SDL.h>
#include <dirent.h>
#include <poll.h>
#include <sys/stat.h>

#include <cstdlib>
#include <iostream>
#include <set>
#include <string>

#include "input/Controls.h"

namespace {

// How often a lost pad is looked for while the game is paused.
const Uint32 lookEveryMs = 1000;
// SDL 1.2's event queue holds no more.
const int queueLength = 128;

// The pad in use; the file SDL reads it from (-1 when not known), whose
// hang-up says the pad has gone; whether one went and is looked for.
SDL_Joystick* openPad = nullptr;
int padFile = -1;
bool padLost = false;
Uint32 lookedAt = 0;

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string nameOf(int index) {
    const char* name = SDL_JoystickName(index);
    return name ? name : "a pad without a name";
}

std::string described(SDL_Joystick* pad) {
    return nameOf(SDL_JoystickIndex(pad)) + " (" + counted(SDL_JoystickNumAxes(pad), "axis", "axes") + ", " +
           counted(SDL_JoystickNumButtons(pad), "button", "buttons") + ", " +
           counted(SDL_JoystickNumHats(pad), "hat", "hats") + ")";
}

PadState stateOf(SDL_Joystick* pad) {
    PadState state;
    for (int i = 0; i < SDL_JoystickNumAxes(pad); ++i) state.axes.push_back(SDL_JoystickGetAxis(pad, i));
    for (int i = 0; i < SDL_JoystickNumButtons(pad); ++i) state.buttons.push_back(SDL_JoystickGetButton(pad, i));
    for (int i = 0; i < SDL_JoystickNumHats(pad); ++i) state.hats.push_back(SDL_JoystickGetHat(pad, i));
    return state;
}

std::set<int> openFiles() {
    std::set<int> files;
    DIR* folder = opendir("/proc/self/fd");
    if (!folder) return files;
    while (const dirent* entry = readdir(folder)) {
        int file = std::atoi(entry->d_name);
        if (entry->d_name[0] != '.' && file != dirfd(folder)) files.insert(file);
    }
    closedir(folder);
    return files;
}

// The device or pipe among the files opened since `before`: the one SDL
// reads the pad from, as SDL 1.2 does not say; -1 when there is none.
int newPadFile(const std::set<int>& before) {
    for (int file : openFiles()) {
        struct stat info;
        if (before.count(file) || fstat(file, &info) != 0) continue;
        if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)) return file;
    }
    return -1;
}

// The first pad SDL finds, opened and watched; false, with the reason in
// `problem`, when there is none.
bool openFirstPad(std::string& problem) {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        problem = std::string("No gamepad: ") + SDL_GetError();
        return false;
    }
    if (SDL_NumJoysticks() < 1) {
        problem = "No gamepad found";
        return false;
    }
    std::set<int> before = openFiles();
    openPad = SDL_JoystickOpen(0);
    if (!openPad) {
        problem = "No gamepad: " + nameOf(0) + " cannot be opened (" + SDL_GetError() + ")";
        return false;
    }
    padFile = newPadFile(before);
    SDL_JoystickEventState(SDL_ENABLE);
    controls.pad = stateOf(openPad);
    return true;
}

void closePad() {
    SDL_JoystickClose(openPad);
    openPad = nullptr;
    padFile = -1;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    // What the pad sent before it went must not press anything now.
    SDL_Event dropped[queueLength];
    SDL_PeepEvents(dropped, queueLength, SDL_GETEVENT, SDL_JOYEVENTMASK);
}

bool hungUp(int file) {
    pollfd watched{file, 0, 0};
    return poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL));
}

}  // namespace

void openGamepad() {
    std::string problem;
    if (!openFirstPad(problem)) {
        std::cout << problem << std::endl;
        return;
    }
    std::cout << "Gamepad: " << described(openPad) << std::endl;
}

bool gamepadLost() {
    if (padFile < 0 || !hungUp(padFile)) return false;
    closePad();
    controls.pad = PadState{};
    padLost = true;
    std::cout << "Gamepad disconnected" << std::endl;
    return true;
}

bool lostGamepadFound() {
    Uint32 now = SDL_GetTicks();
    if (!padLost || now - lookedAt < lookEveryMs) return false;
    lookedAt = now;
    std::string problem;
    if (!openFirstPad(problem)) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    padLost = false;
    std::cout << "Gamepad connected: " << described(openPad) << std::endl;
    return true;
}
