#include "app/Shell.h"

#include <GL/glew.h>

#include <iostream>

#include "app/ApplySettings.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/GraphicsSetup.h"
#include "app/Input.h"
#include "app/MusicCue.h"
#include "app/Quit.h"
#include "app/Startup.h"
#include "app/Progress.h"
#include "campaign/SaveFile.h"
#include "core/Platform.h"
#include "input/Controls.h"
#include "settings/SettingsFile.h"
#include "sound/Sound.h"

namespace {
// The last world's message stays on screen this long before the closing screen.
const int victoryDelayMs = 5000;

// A fresh start of the view, the cursor, the enemies' clock and the music's
// memory of them, as at start-up.
void resetView(FrameState& state) {
    FrameState fresh;
    state.viewHeight = fresh.viewHeight;
    state.nearScale = fresh.nearScale;
    state.farScale = fresh.farScale;
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
}

template <typename Handle>
void Shell::menuFrame(Handle handle) {
    state.startFrame();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) quitGame(state);
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
            SDLKey key = noteKeyEvent(event.key);
            // The menus mute, switch the window and take pictures too, but
            // not with the key the options are binding.
            if (event.type == SDL_KEYDOWN && key != SDLK_ESCAPE && !bindingAKey()) {
                for (Action action : actionsOfKey(KeyInput::key(key))) {
                    if (action == Action::mute) toggleMute();
                    if (action == Action::fullScreen || action == Action::screenshot) applyDesktopAction(action, state);
                }
            }
        }
        if (!handle(event)) return;
    }
    int now = static_cast<int>(state.clockTime);
    scenery.draw(state, now, state.frameTime);
    if (screen == Screen::title) {
        title.draw(*startup.font, state.settings);
    } else {
        victory.draw(*startup.font);
    }
    // No ship is heard here: the loops fade out.
    finishSoundFrame(scenery.centre, 0);
    cueMusic(state, scenery.universe);
    presentFrame(state, scenery.universe, *startup.font);
}

bool Shell::bindingAKey() const {
    return screen == Screen::title && title.showingOptions && title.options.table.waiting;
}

void Shell::titleFrame() {
    menuFrame([this](const SDL_Event& event) {
        TitleChoice choice = title.handle(event, state);
        if (choice == TitleChoice::none) return true;
        choose(choice);
        return false;
    });
}

void Shell::victoryFrame() {
    menuFrame([this](const SDL_Event& event) {
        if (!victory.handle(event, state)) return true;
        showTitle();
        return false;
    });
}

void Shell::playingFrame() {
    ::runFrame(state, universe, *startup.font);
    if (state.quitToTitleWanted) {
        state.quitToTitleWanted = false;
        if (campaign && !campaign->won) saveProgress(*campaign);
        state.pause.wanted = false;
        state.pause.resumeIfUnwanted();
        state.pauseMenu.page = PauseMenu::Page::menu;
        showTitle();
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
    state.largeMapShown = false;
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
    if (state.settings.hints) {
        state.hints.start(state.settings.bindings, campaign->objectiveText(), now);
        state.settings.hints = false;
        settingsChanged = true;
    }
    if (settingsChanged) saveSettings(state.settings);
    state.statusLinesShown = false;
    state.hudShown = true;
}

void Shell::showTitle() {
    campaign.reset();
    state.campaign = nullptr;
    title.open(readSave(startup.campaignScript, startup.campaignUniverse, save), state.settings.difficulty);
    screen = Screen::title;
    givePointerToMenus(true);
    relinkEmitters(scenery.universe);
}

void Shell::showVictory() {
    RunResult run = campaign->run;
    std::vector<RunResult> best;
    size_t place = recordBestResult(run, best);
    removeSave();
    victory.open(run, best, place);
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
