#include "hud/HudState.h"

void HudState::notice(const std::string& text, int now) {
    noticeText = text;
    noticeUntil = now + noticeMs;
}
