#include "screens/ReplaysScreen.h"

#include <cstdio>

#include "core/Constants.h"
#include "core/DataFile.h"
#include "desktop/WindowMode.h"
#include "ui/Text.h"

namespace {

// "Campaign    2024-05-01 18:30    score 1250    Far Side"; a run that did
// not end (the game stopped) shows where its recording stops.
std::string entryLine(const ReplayHeader& header) {
    const char* const modes[] = {"Campaign", "Free flight", "Endless"};
    std::string mode = modes[static_cast<int>(header.mode)];
    std::string when = header.date.substr(0, 16);
    std::string result = header.ended ? "score " + std::to_string(header.figures.score) + "   " +
                                            shortened(header.figures.world)
                                      : "unfinished";
    char line[160];
    std::snprintf(line, sizeof line, "%-12s %-17s %s", mode.c_str(), when.c_str(), result.c_str());
    return line;
}

}  // namespace

void ReplaysScreen::fill(std::vector<KeptReplay> replays) { kept = std::move(replays); }

void ReplaysScreen::open() {
    menu.title = "Replays";
    menu.titleY = 900;
    menu.top = 840;
    menu.spacing = 34;
    menu.scale = 20;
    menu.width = 1000;
    menu.items.clear();
    for (const KeptReplay& replay : kept) menu.items.push_back({entryLine(replay.header)});
    menu.items.push_back({"Back"});
    menu.select(0);
    refused = false;
}

bool ReplaysScreen::handle(const SDL_Event& event, const WindowMode& window, bool& watch) {
    watch = false;
    MenuEvent result = menu.handle(event, window.area, window.height);
    if (result == MenuEvent::back) return false;
    if (result != MenuEvent::chosen) return true;
    watch = static_cast<size_t>(menu.selected) < kept.size();
    return false;
}

void ReplaysScreen::draw(Font& font) const {
    drawPanel(0, 0, w, h, Colour{0, 0, 0.02f, 0.55f});
    menu.draw(font);
    if (refused) {
        drawText(font, "That replay cannot be played on this game and data", w / 2.0f, 70, 18, colours::warning,
                 Align::centre);
    }
}

std::filesystem::path ReplaysScreen::chosen() const {
    size_t index = static_cast<size_t>(menu.selected);
    return index < kept.size() ? kept[index].path : std::filesystem::path();
}
