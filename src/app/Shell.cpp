#include "app/Shell.h"

#include <GL/glew.h>

#include <iostream>
#include <optional>
#include <sstream>

#include "app/ApplySettings.h"
#include "app/CampaignRun.h"
#include "app/Events.h"
#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/ReplayRun.h"
#include "app/Startup.h"
#include "assets/NamedImages.h"
#include "campaign/SaveFile.h"
#include "core/Platform.h"
#include "core/SeededRandom.h"
#include "desktop/GraphicsSetup.h"
#include "endless/WorldGenerator.h"
#include "replay/ReplayFolder.h"
#include "settings/SettingsFile.h"
#include "sound/Sound.h"

namespace {
// The last world's message stays on screen this long before the closing screen.
const int victoryDelayMs = 5000;

std::string endlessItem(const std::optional<uint64_t>& seed) {
    if (!endlessPlayable()) return "";
    return seed ? "Endless: seed " + std::to_string(*seed) : "Endless";
}

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

// Out of the pause, as the title or a closing screen takes over.
void leavePause(FrameState& state) {
    state.pause.wanted = false;
    state.pause.resumeIfUnwanted();
    state.pauseMenu.page = PauseMenu::Page::menu;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
}  // namespace

Shell::Shell(FrameState& state, Startup& startup, std::optional<uint64_t> seed)
    : state(state),
      startup(startup),
      scenery(startup.campaignUniverse, *startup.player, startup.campaignScript.startWorld,
              startup.player->position),
      title(startup.campaignScript),
      seedGiven(seed) {
    title.endlessItem = endlessItem(seed);
    state.titleAvailable = true;
    showTitle();
}

void Shell::runFrame() {
    switch (screen) {
        case Screen::title: titleFrame(); break;
        case Screen::playing: playingFrame(); break;
        case Screen::upgrade: upgradeFrame(); break;
        case Screen::victory: victoryFrame(); break;
    }
    switchWindowIfWanted(state, startup, shownUniverse());
}

Universe& Shell::shownUniverse() {
    return screen == Screen::playing || screen == Screen::upgrade ? universe : scenery.universe;
}

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
    if (endless) growEndless();
    if (campaign && campaign->ended() && !resultRecorded && !playback) recordResult();
    if (playback && playback->finished()) {
        leavePause(state);
        showReplayEnd();
    } else if (state.quitToTitleWanted) {
        state.quitToTitleWanted = false;
        WriteResult saved{true, ""};
        if (campaign && !playback) saved = leaveRun(*campaign, static_cast<int>(state.clockTime));
        leavePause(state);
        endPlay();
        showTitle();
        if (!saved.written) title.note = "Could not save: " + saved.reason;
    } else if (campaign && !campaign->offer.empty()) {
        offerUpgrades();
    } else if (campaign && campaign->ended() && !playback && !state.pause.paused &&
               static_cast<int>(state.clockTime) >= campaign->endedAt() + victoryDelayMs) {
        showVictory();
    }
}

void Shell::offerUpgrades() {
    // A replay takes what the player took, at once.
    if (playback) {
        const std::vector<int>& chosen = playback->replay.header.upgradeChoices;
        size_t next = playback->upgradesTaken++;
        int choice = next < chosen.size() ? chosen[next] : 0;
        campaign->takeUpgrade(static_cast<size_t>(choice), static_cast<int>(state.clockTime));
        listUpgradesInPause();
        return;
    }
    // The pause keeps the world's picture and stops its clock: the choice goes over it.
    if (!state.pause.paused) {
        state.pause.wanted = true;
        return;
    }
    upgradeChoice.open(campaign->offer, campaign->worldName(campaign->world));
    screen = Screen::upgrade;
    state.pause.redrawWanted = true;
}

void Shell::upgradeFrame() {
    // The quit question and the help, asked over the choice, are the pause menu's.
    if (state.pauseMenu.page != PauseMenu::Page::menu) {
        ::runFrame(state, universe, *startup.font);
        state.pause.redrawWanted = state.pauseMenu.page == PauseMenu::Page::menu;
        return;
    }
    ScreenInput input;
    input.take = [this, &input](const SDL_Event& event) {
        // After a quit or help key, the keys that follow are the pause menu's.
        if (state.pauseMenu.page != PauseMenu::Page::menu) {
            input.keepReading = false;
            return false;
        }
        int choice = upgradeChoice.handle(event, state.window);
        if (choice >= 0) takeUpgrade(choice);
        input.keepReading = choice < 0;
        return true;
    };
    readEvents(state, InputContext::paused, nullptr, &input);
    if (screen != Screen::upgrade) return;
    // The pause key does not let the world go on without a choice.
    state.pause.wanted = true;
    if (!pausedPictureDue(state)) return;
    state.pause.draw();
    upgradeChoice.draw(*startup.font);
    presentFrame(state);
}

void Shell::takeUpgrade(int choice) {
    if (recorder) recorder->replay.header.upgradeChoices.push_back(choice);
    campaign->takeUpgrade(static_cast<size_t>(choice), static_cast<int>(state.clockTime));
    listUpgradesInPause();
    screen = Screen::playing;
    leavePause(state);
}

void Shell::listUpgradesInPause() {
    state.pauseMenu.upgrades = campaign ? upgradeList(campaign->upgrades) : std::vector<std::string>{};
}

void Shell::growEndless() {
    if (!campaign || !endless->keepAhead(campaign->world, universe)) return;
    campaign->noteNewWorlds();
    loadNamedImages();
    relinkEmitters(universe);
}

void Shell::choose(TitleChoice choice) {
    switch (choice) {
        case TitleChoice::continueCampaign: startCampaign(&save); break;
        case TitleChoice::newCampaign: startCampaign(nullptr); break;
        case TitleChoice::endless: startEndless(); break;
        case TitleChoice::freeFlight:
            play(startup.universe);
            startFreeFlightOverlays(state);
            recorder = recordFreeFlightIfAsked(state);
            break;
        case TitleChoice::watchReplay: watchChosenReplay(); break;
        case TitleChoice::quit: quitGame(state);
        case TitleChoice::none: break;
    }
}

// A fresh copy of the loaded universe and ship, with the view as at start-up.
void Shell::play(const Universe& loaded) {
    campaign.reset();
    state.campaign = nullptr;
    listUpgradesInPause();
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
    if (!from) {
        settingsChanged = state.settings.difficulty != title.difficulty().name;
        state.settings.difficulty = title.difficulty().name;
    }
    recorder = startRecording(state, ReplayMode::campaign, from ? from->run.difficulty : title.difficulty().name,
                              from ? linesOf(saveText(*from)) : std::vector<std::string>{});
    beginCampaign(from, title.difficulty(), recorder->replay.header.seed);
    if (from) {
        std::cout << "Continuing the campaign in " << campaign->worldName(from->world) << " with score "
                  << from->run.score << std::endl;
    }
    if (state.settings.hints) {
        state.hints.start(state.settings.bindings, campaign->objectiveText(), now);
        state.settings.hints = false;
        settingsChanged = true;
    }
    if (settingsChanged) saveSettings(state.settings);
}

void Shell::startEndless() {
    uint64_t seed = seedGiven ? *seedGiven : freshSeed();
    play(Universe());
    recorder = startRecording(state, ReplayMode::endless, endlessDifficulty(startup.campaignScript).name, {});
    recorder->replay.header.worldSeed = seed;
    beginEndless(seed);
}

// The worlds are made as the ship gets to them, from where the first takes it in.
void Shell::beginEndless(uint64_t seed) {
    endless = std::make_unique<EndlessRun>(seed, startup.campaignScript);
    endless->keepAhead(0, universe);
    loadNamedImages();
    relinkEmitters(universe);
    player->position = firstArrival;
    int now = static_cast<int>(state.clockTime);
    campaign = std::make_unique<Campaign>(endless->script, universe, endlessDifficulty(endless->script), now);
    campaign->run.endless = true;
    campaign->run.seed = seed;
    campaign->spareShips = endlessSpareShips;
    campaign->say("Endless run, seed " + std::to_string(seed), now, MessageKind::other, Campaign::worldMessageMs);
    beginRun();
}

// A new campaign draws its upgrades from `seed`; a saved one from its own.
void Shell::beginCampaign(const SavedCampaign* from, const Difficulty& difficulty, uint64_t seed) {
    int now = static_cast<int>(state.clockTime);
    if (from) {
        campaign = std::make_unique<Campaign>(startup.campaignScript, universe, *from, now);
    } else {
        campaign = std::make_unique<Campaign>(startup.campaignScript, universe, difficulty, now);
        campaign->run.seed = seed;
    }
    beginRun();
}

void Shell::beginRun() {
    campaign->upgradeTable = &startup.upgrades;
    state.campaign = campaign.get();
    resultRecorded = false;
    listUpgradesInPause();
    state.shown.statusLines = false;
    state.shown.hud = true;
    state.shown.flight = true;
}

void Shell::watch(std::unique_ptr<ReplayPlayback> replay, const SavedCampaign& from) {
    const ReplayHeader& header = replay->replay.header;
    switch (header.mode) {
        case ReplayMode::campaign: play(startup.campaignUniverse); break;
        case ReplayMode::freeFlight: play(startup.universe); break;
        case ReplayMode::endless: play(Universe()); break;
    }
    playback = std::move(replay);
    beginReplay(state, *playback);
    switch (header.mode) {
        case ReplayMode::campaign:
            beginCampaign(header.save.empty() ? nullptr : &from,
                          *startup.campaignScript.difficulty(header.difficulty), header.seed);
            break;
        case ReplayMode::freeFlight: startFreeFlightOverlays(state); break;
        case ReplayMode::endless: beginEndless(header.worldSeed); break;
    }
}

void Shell::watchChosenReplay() {
    auto replay = std::make_unique<ReplayPlayback>();
    std::string file = title.replays.chosen().string();
    SavedCampaign from;
    if (!readReplay(file, replay->replay) || !replayFits(replay->replay, startup, file, from)) {
        title.showingReplays = true;
        title.replays.refused = true;
        return;
    }
    watch(std::move(replay), from);
}

void Shell::endPlay() {
    if (!playback) endRun(state);
    // A replay's clock was the recording's; the menus go on from the game's.
    if (playback) state.clockTime = ticks();
    state.recorder = nullptr;
    state.playback = nullptr;
    recorder.reset();
    playback.reset();
}

void Shell::showTitle() {
    campaign.reset();
    endless.reset();
    state.campaign = nullptr;
    title.replays.fill(keptReplays());
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

// The run as it stood at its end (a win, or an endless run's last ship)
// goes to the closing screen too.
void Shell::recordResult() {
    resultRecorded = true;
    const RunResult& run = campaign->run;
    std::vector<RunResult> best;
    size_t place = ::recordResult(run, best);
    if (!run.endless) removeSave();
    victory.open(run, best, place, upgradeList(campaign->upgrades),
                 run.endless ? "The run is over" : "Campaign complete");
}

void Shell::showVictory() {
    endPlay();
    toClosingScreen();
}

void Shell::toClosingScreen() {
    campaign.reset();
    endless.reset();
    state.campaign = nullptr;
    screen = Screen::victory;
    givePointerToMenus(true);
    relinkEmitters(scenery.universe);
}

void Shell::showReplayEnd() {
    endRun(state);
    if (exitAfterReplay()) std::exit(0);
    RunFigures figures = runFigures(state);
    RunResult run = campaign ? campaign->run
                             : RunResult{figures.score, figures.kills, figures.deaths, figures.timeMs, ""};
    endPlay();
    std::vector<std::string> taken = campaign ? upgradeList(campaign->upgrades) : std::vector<std::string>{};
    std::vector<RunResult> best;
    for (const RunResult& result : readBestResults()) {
        if (modeOf(result) == modeOf(run)) best.push_back(result);
    }
    victory.open(run, best, 0, taken, "End of the replay");
    toClosingScreen();
}

void Shell::givePointerToMenus(bool menus) {
    state.menuShown = menus;
    captureInput(!menus);
}
