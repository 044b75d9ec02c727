#include "app/Shell.h"

#include <GL/glew.h>

#include <iostream>
#include <optional>

#include "app/ApplySettings.h"
#include "app/CampaignRun.h"
#include "app/Events.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/Startup.h"
#include "campaign/SaveFile.h"
#include "desktop/GraphicsSetup.h"
#include "settings/SettingsFile.h"
#include "sound/Sound.h"

namespace {
// The last world's message stays on screen this long before the closing screen.
const int victoryDelayMs = 5000;

// A fresh start of the view, the cursor, the enemies' clock and the music's
// memory of them, as at start-up.
void resetView(FrameState& state) {
    FrameState fresh;
    state.camera.viewHeight = fresh.camera.viewHeight;
    state.camera.nearScale = fresh.camera.nearScale;
    state.camera.farScale = fresh.camera.farScale;
    state.cursor = fresh.cursor;
    state.spawnIntervalMs = fresh.spawnIntervalMs;
    state.spawnTicks = state.clockTime;
    state.msSinceEnemyNear = fresh.msSinceEnemyNear;
    SDL_GetRelativeMouseState(nullptr, nullptr);
}
}  // namespace

Shell::Shell(FrameState& state, Startup& startup)
    : state(state),
      startup(startup),
      scenery(startup.campaignUniverse, *startup.player, startup.campaignScript.startWorld,
              startup.player->position),
      title(startup.campaignScript) {
    state.titleAvailable = true;
    showTitle();
}

void Shell::runFrame() {
    switch (screen) {
        case Screen::title: titleFrame(); break;
        case Screen::playing: playingFrame(); break;
        case Screen::victory: victoryFrame(); break;
    }
    switchWindowIfWanted(state, startup, shownUniverse());
}

Universe& Shell::shownUniverse() { return screen == Screen::playing ? universe : scenery.universe; }

void Shell::menuFrame(const std::function<bool(const SDL_Event&)>& take) {
    state.startFrame();
    ScreenInput input;
    input.take = [&](const SDL_Event& event) {
        input.keepReading = take(event);
        return true;
    };
    input.waitingForKey = [this] { return screen == Screen::title && title.waitingForKey(); };
    readEvents(state, InputContext::menus, nullptr, &input);
    if (!input.keepReading) return;
    int now = static_cast<int>(state.clockTime);
    scenery.draw(state.camera, now, state.frameTime);
    if (screen == Screen::title) {
        title.draw(*startup.font, state.settings);
    } else {
        victory.draw(*startup.font);
    }
    // No ship is heard here: the loops fade out.
    finishSoundFrame(scenery.centre, 0);
    cueMusic(state, scenery.universe);
    presentFrame(state);
}

void Shell::titleFrame() {
    menuFrame([this](const SDL_Event& event) {
        MenuRequests requests;
        TitleChoice choice = title.handle(event, state.settings, state.window, requests);
        carryOut(requests, state);
        if (choice == TitleChoice::none) return true;
        choose(choice);
        return false;
    });
}

void Shell::victoryFrame() {
    menuFrame([this](const SDL_Event& event) {
        if (!victory.handle(event, state.window)) return true;
        showTitle();
        return false;
    });
}

void Shell::playingFrame() {
    ::runFrame(state, universe, *startup.font);
    if (campaign && campaign->won && !victoryRecorded) recordVictory();
    if (state.quitToTitleWanted) {
        state.quitToTitleWanted = false;
        WriteResult saved{true, ""};
        if (campaign && !campaign->won) saved = saveProgress(*campaign, static_cast<int>(state.clockTime));
        state.pause.wanted = false;
        state.pause.resumeIfUnwanted();
        state.pauseMenu.page = PauseMenu::Page::menu;
        showTitle();
        if (!saved.written) title.note = "Could not save: " + saved.reason;
    } else if (campaign && campaign->won && !state.pause.paused &&
               static_cast<int>(state.clockTime) >= campaign->wonAt + victoryDelayMs) {
        showVictory();
    }
}

void Shell::choose(TitleChoice choice) {
    switch (choice) {
        case TitleChoice::continueCampaign: startCampaign(&save); break;
        case TitleChoice::newCampaign: startCampaign(nullptr); break;
        case TitleChoice::freeFlight:
            play(startup.universe);
            startFreeFlightOverlays(state);
            break;
        case TitleChoice::quit: quitGame(state);
        case TitleChoice::none: break;
    }
}

// A fresh copy of the loaded universe and ship, with the view as at start-up.
void Shell::play(const Universe& loaded) {
    campaign.reset();
    state.campaign = nullptr;
    universe = freshUniverse(loaded);
    player = std::make_unique<Player>(*startup.player);
    universe.player = player.get();
    relinkEmitters(universe);
    resetView(state);
    state.hud = HudState();
    state.pilot = Pilot();
    state.shown.largeMap = false;
    screen = Screen::playing;
    givePointerToMenus(false);
}

void Shell::startCampaign(const SavedCampaign* from) {
    play(startup.campaignUniverse);
    int now = static_cast<int>(state.clockTime);
    bool settingsChanged = false;
    if (from) {
        campaign = std::make_unique<Campaign>(startup.campaignScript, universe, *from, now);
        std::cout << "Continuing the campaign in " << campaign->worldName(from->world) << " with score "
                  << from->run.score << std::endl;
    } else {
        settingsChanged = state.settings.difficulty != title.difficulty().name;
        state.settings.difficulty = title.difficulty().name;
        campaign = std::make_unique<Campaign>(startup.campaignScript, universe, title.difficulty(), now);
    }
    state.campaign = campaign.get();
    victoryRecorded = false;
    if (state.settings.hints) {
        state.hints.start(state.settings.bindings, campaign->objectiveText(), now);
        state.settings.hints = false;
        settingsChanged = true;
    }
    if (settingsChanged) saveSettings(state.settings);
    state.shown.statusLines = false;
    state.shown.hud = true;
    state.shown.flight = true;
}

void Shell::showTitle() {
    campaign.reset();
    state.campaign = nullptr;
    std::optional<SaveSummary> saved;
    if (readSave(startup.campaignScript, startup.campaignUniverse, save)) {
        saved = SaveSummary{worldNameIn(startup.campaignScript, startup.campaignUniverse, save.world), save.run.score,
                            save.run.timeMs};
    }
    title.open(saved, state.settings.difficulty);
    screen = Screen::title;
    givePointerToMenus(true);
    relinkEmitters(scenery.universe);
}

// The run as it stood at the win goes to the closing screen too.
void Shell::recordVictory() {
    victoryRecorded = true;
    const RunResult& run = campaign->run;
    std::vector<RunResult> best;
    size_t place = recordBestResult(run, best);
    removeSave();
    victory.open(run, best, place);
    if (place > 0) {
        std::cout << "Result recorded: score " << run.score << ", place " << place << " among the best runs" << std::endl;
    } else {
        std::cout << "Result: score " << run.score << ", below the " << bestResultsKept << " best runs" << std::endl;
    }
}

void Shell::showVictory() {
    campaign.reset();
    state.campaign = nullptr;
    screen = Screen::victory;
    givePointerToMenus(true);
    relinkEmitters(scenery.universe);
}

void Shell::givePointerToMenus(bool menus) {
    state.menuShown = menus;
    captureInput(!menus);
}
