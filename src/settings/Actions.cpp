#include "settings/Actions.h"

namespace {

struct ActionText {
    const char* name;
    const char* description;
};

// In the order of the enumeration.
const ActionText texts[actionCount] = {
    {"thrust", "thrust forward (lift off)"},
    {"reverse", "reverse (landed: charge a boost)"},
    {"turn_left", "turn left"},
    {"turn_right", "turn right"},
    {"aim_left", "move the aim left"},
    {"aim_right", "move the aim right"},
    {"aim_up", "move the aim up"},
    {"aim_down", "move the aim down"},
    {"fire", "fire (hold)"},
    {"weapon_1", "projectile gun"},
    {"weapon_2", "laser beam"},
    {"weapon_3", "shockwave gun"},
    {"next_weapon", "next weapon"},
    {"previous_weapon", "previous weapon"},
    {"zoom_in", "zoom in"},
    {"zoom_out", "zoom out"},
    {"map", "large map"},
    {"hud", "HUD"},
    {"status_lines", "status lines"},
    {"help", "help"},
    {"pause", "pause / resume"},
    {"mute", "mute / unmute"},
    {"screenshot", "screenshot"},
    {"full_screen", "window / full screen"},
    {"fewer_enemies", "enemies arrive half as often"},
    {"more_enemies", "enemies arrive twice as often"},
    {"flatten_depth", "flatten the depth effect"},
    {"deepen_depth", "deepen the depth effect"},
    {"far_plane_out", "push the far plane out"},
    {"far_plane_in", "pull the far plane in"},
    {"quit", "quit"},
};

}  // namespace

const char* actionName(Action action) { return texts[static_cast<int>(action)].name; }

const char* actionDescription(Action action) { return texts[static_cast<int>(action)].description; }

bool actionFromName(const std::string& name, Action& action) {
    for (int i = 0; i < actionCount; ++i) {
        if (name == texts[i].name) {
            action = static_cast<Action>(i);
            return true;
        }
    }
    return false;
}
