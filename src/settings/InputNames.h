#pragma once

#include <string>

#include "settings/Bindings.h"

// The names settings.txt, the help and the key editor use: a key by the US
// layout's name for its place ("w", "space", "f12", "left shift", "key 301"
// for one without a name of its own), a mouse button ("mouse left",
// "wheel up", "mouse 6"), a pad control ("button 0", "axis 1-", "hat 0 up"),
// and "none" for no binding.
std::string keyName(KeyInput key);
std::string padName(PadInput pad);
// A key's name as a label on screen, its first letter a capital: "P", "F12",
// "Space", "Wheel up".
std::string keyLabel(KeyInput key);
// Read back, in any letter case; false when the text names nothing.
bool keyFromName(const std::string& name, KeyInput& key);
bool padFromName(const std::string& name, PadInput& pad);
