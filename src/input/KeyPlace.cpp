#include "input/KeyPlace.h"

#include <cstring>

namespace {

bool placesKnown = false;

// The US layout's keys on the four rows of the main block, each row from its
// first X keycode (evdev and the older kbd driver agree on these).
struct KeyRow {
    int firstKeycode;
    const char* keys;
};
const KeyRow rows[] = {
    {10, "1234567890-="},
    {24, "qwertyuiop[]"},
    {38, "asdfghjkl;'`"},
    {51, "\\zxcvbnm,./"},
};

}  // namespace

SDLKey keyAtPlace(const SDL_keysym& keysym) {
    if (placesKnown) {
        for (const KeyRow& row : rows) {
            int column = keysym.scancode - row.firstKeycode;
            if (column >= 0 && column < static_cast<int>(std::strlen(row.keys))) {
                return static_cast<SDLKey>(row.keys[column]);
            }
        }
    }
    return keysym.sym;
}

void useKeyPlacesOfVideoDriver() {
    char name[32] = "";
    useKeyPlaces(SDL_VideoDriverName(name, sizeof name) && std::strcmp(name, "x11") == 0);
}

void useKeyPlaces(bool on) { placesKnown = on; }
