#include "screens/Hints.h"

#include <algorithm>

#include "settings/Bindings.h"
#include "settings/InputNames.h"

namespace {
const int fadeMs = 600;

std::string keyOf(const Bindings& bindings, Action action) {
    const KeyInput& key = bindings[action].key;
    return key.bound() ? keyLabel(key) : "(unbound)";
}
}  // namespace

void Hints::start(const Bindings& b, const std::string& objective, int now) {
    lines = {
        "Fly: " + keyOf(b, Action::thrust) + ": thrust, " + keyOf(b, Action::turnLeft) + " and " +
            keyOf(b, Action::turnRight) + ": turn, " + keyOf(b, Action::reverse) +
            ": reverse thrust. Land gently on a planet to repair.",
        "Fight: aim with the mouse and hold " + keyOf(b, Action::fire) + "; " + keyOf(b, Action::weapon1) + ", " +
            keyOf(b, Action::weapon2) + " and " + keyOf(b, Action::weapon3) + " pick the gun, laser and shockwave.",
        "Goal: " + objective + ". Then its wormholes open to the next system.",
    };
    startedAt = now;
}

std::string Hints::line(int now, float& share) const {
    int elapsed = now - startedAt;
    size_t shown = static_cast<size_t>(std::max(0, elapsed) / eachMs);
    share = 0;
    if (elapsed < 0 || shown >= lines.size()) return "";
    int intoHint = elapsed % eachMs;
    share = std::min({1.0f, intoHint / static_cast<float>(fadeMs), (eachMs - intoHint) / static_cast<float>(fadeMs)});
    return lines[shown];
}
