#include "screens/Hints.h"

#include <GL/glew.h>

#include <algorithm>

#include "assets/Font.h"
#include "core/Constants.h"
#include "settings/Bindings.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const int fadeMs = 600;

std::string keyOf(const Bindings& bindings, Action action) {
    const KeyInput& key = bindings[action].key;
    return key.bound() ? keyLabel(key) : "(unbound)";
}
}  // namespace

void Hints::start(const Bindings& b, const std::string& objective, int now) {
    lines = {
        "Fly: " + keyOf(b, Action::thrust) + " thrusts, " + keyOf(b, Action::turnLeft) + " and " +
            keyOf(b, Action::turnRight) + " turn, " + keyOf(b, Action::reverse) +
            " brakes. Land gently on a planet to repair.",
        "Fight: aim with the mouse and hold " + keyOf(b, Action::fire) + "; " + keyOf(b, Action::weapon1) + ", " +
            keyOf(b, Action::weapon2) + " and " + keyOf(b, Action::weapon3) + " pick the gun, laser and shockwave.",
        "Goal: " + objective + ". Then its wormholes open to the next system.",
    };
    startedAt = now;
}

void Hints::draw(Font& font, int now) const {
    int elapsed = now - startedAt;
    size_t shown = static_cast<size_t>(std::max(0, elapsed) / eachMs);
    if (elapsed < 0 || shown >= lines.size()) return;
    int intoHint = elapsed % eachMs;
    float alpha = std::min({1.0f, intoHint / static_cast<float>(fadeMs), (eachMs - intoHint) / static_cast<float>(fadeMs)});
    useLayoutProjection();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const std::string& line = lines[shown];
    float scale = std::min(22.0f, 22.0f * (w - 120) / font.textWidth(line, 22));
    float width = font.textWidth(line, scale) + 40;
    drawPanel((w - width) / 2, 150, width, 46, Colour{0, 0.05f, 0.1f, 0.7f * alpha});
    drawText(font, line, w / 2.0f, 164, scale, Colour{0.85f, 0.95f, 1, alpha}, Align::centre);
}
