#include "settings/Actions.h"

#include <iterator>

namespace {

// The contexts an action's press acts in.
const unsigned inPlay = 1u << static_cast<int>(InputContext::play);
const unsigned inPause = 1u << static_cast<int>(InputContext::paused);
const unsigned inMenus = 1u << static_cast<int>(InputContext::menus);
const unsigned inReplay = 1u << static_cast<int>(InputContext::replay);
// In play and in a replay, where the weapon keys choose its speed and the
// rest only change the view.
const unsigned playOrReplay = inPlay | inReplay;
// Keys that answer wherever the player is: the window, the picture, the sound.
const unsigned anywhere = inPlay | inPause | inMenus | inReplay;

struct ActionText {
    const char* name;
    const char* description;
    // Held actions (flying, aiming, firing) are read each frame, not pressed.
    unsigned contexts;
};

// In the order of the enumeration.
const ActionText texts[] = {
    {"thrust", "thrust forward (lift off)", 0},
    {"reverse", "reverse (landed: charge a boost)", 0},
    {"turn_left", "turn left", 0},
    {"turn_right", "turn right", 0},
    {"stop", "stop and hold still", inPlay},
    {"autopilot", "autopilot on / off", inPlay},
    {"next_destination", "next destination", inPlay},
    {"aim_left", "move the aim left", 0},
    {"aim_right", "move the aim right", 0},
    {"aim_up", "move the aim up", 0},
    {"aim_down", "move the aim down", 0},
    {"fire", "fire (hold)", 0},
    {"weapon_1", "projectile gun", playOrReplay},
    {"weapon_2", "laser beam", playOrReplay},
    {"weapon_3", "shockwave gun", playOrReplay},
    {"next_weapon", "next weapon", playOrReplay},
    {"previous_weapon", "previous weapon", playOrReplay},
    {"zoom_in", "zoom in", playOrReplay},
    {"zoom_out", "zoom out", playOrReplay},
    {"map", "large map", playOrReplay},
    {"hud", "HUD", playOrReplay},
    {"status_lines", "status lines", playOrReplay},
    {"help", "help", playOrReplay | inPause},
    {"pause", "pause / resume", playOrReplay | inPause},
    {"mute", "mute / unmute", anywhere},
    {"screenshot", "screenshot", anywhere},
    {"full_screen", "window / full screen", anywhere},
    {"fewer_enemies", "enemies arrive half as often", inPlay},
    {"more_enemies", "enemies arrive twice as often", inPlay},
    {"flatten_depth", "flatten the depth effect", playOrReplay},
    {"deepen_depth", "deepen the depth effect", playOrReplay},
    {"far_plane_out", "push the far plane out", playOrReplay},
    {"far_plane_in", "pull the far plane in", playOrReplay},
    {"quit", "quit", playOrReplay | inPause},
};
static_assert(std::size(texts) == actionCount, "a row for each action");

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

bool actsIn(Action action, InputContext context) {
    return (texts[static_cast<int>(action)].contexts & (1u << static_cast<int>(context))) != 0;
}
