#include "screens/VictoryScreen.h"

#include <cstdio>
#include <string>

#include "core/Constants.h"
#include "desktop/WindowMode.h"
#include "screens/UpgradeList.h"
#include "ui/Text.h"

namespace {
const size_t bestShown = 5;

// An endless run is told by its seed and how far it got.
std::string modeText(const RunResult& result) {
    if (!result.endless) return result.difficulty;
    return "seed " + std::to_string(result.seed) + ", " + std::to_string(result.worlds) +
           (result.worlds == 1 ? " world" : " worlds");
}

std::string resultLine(size_t place, const RunResult& result) {
    char line[160];
    std::snprintf(line, sizeof line, "%zu.  %9lld   %4d kills   %3d deaths   %7s   %s", place, result.score,
                  result.kills, result.deaths, playTime(result.timeMs).c_str(), modeText(result).c_str());
    return line;
}
}  // namespace

void VictoryScreen::open(const RunResult& finished, std::vector<RunResult> bestRuns, size_t runPlace,
                         std::vector<std::string> taken, const std::string& title) {
    run = finished;
    heading = title;
    best = std::move(bestRuns);
    place = runPlace;
    upgrades = std::move(taken);
    menu.items = {{"Back to the title"}};
    menu.top = 150;
    menu.select(0);
}

bool VictoryScreen::handle(const SDL_Event& event, const WindowMode& window) {
    MenuEvent result = menu.handle(event, window.area, window.height);
    return result == MenuEvent::chosen || result == MenuEvent::back;
}

void VictoryScreen::draw(Font& font) const {
    useLayoutProjection();
    drawPanel(0, 0, w, h, Colour{0, 0, 0.02f, 0.55f});
    float centre = w / 2.0f;
    drawText(font, heading, centre, 850, 64, colours::highlight, Align::centre);
    drawText(font, "Score " + std::to_string(run.score), centre, 760, 44, colours::white, Align::centre);
    std::string details = std::to_string(run.kills) + " kills   " + std::to_string(run.deaths) + " deaths   " +
                          playTime(run.timeMs) + "   " + modeText(run);
    drawText(font, details, centre, 705, 24, colours::grey, Align::centre);
    if (place > 0) {
        drawText(font, place == 1 ? "Your best run yet" : "Place " + std::to_string(place) + " among your best",
                 centre, 660, 22, colours::calm, Align::centre);
    }
    drawUpgradeList(font, upgrades, 625, 17, 1100, 2);
    // Free flight's run has no difficulty, and no best results.
    if (run.endless || !run.difficulty.empty()) drawBest(font);
    menu.draw(font);
}

void VictoryScreen::drawBest(Font& font) const {
    float centre = w / 2.0f;
    std::string header = run.endless ? "Best endless runs" : "Best results on " + run.difficulty;
    drawText(font, header, centre, 570, 30, colours::white, Align::centre);
    if (best.empty()) drawText(font, "none yet", centre, 520, 20, colours::grey, Align::centre);
    for (size_t i = 0; i < best.size() && i < bestShown; ++i) {
        Colour colour = i + 1 == place ? colours::highlight : colours::grey;
        drawText(font, resultLine(i + 1, best[i]), centre, 520 - 40.0f * i, 20, colour, Align::centre);
    }
}
