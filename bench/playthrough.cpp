// Plays the shipped campaign (or an endless run) with an autopilot through
// the real frame loop, at a fixed frame time, and prints when each world was
// entered and cleared, the upgrades taken, the deaths and the score: proof
// that the campaign can be won, and a measure of how long it takes. A plain
// pilot, with the flight assist on: it shoots the nearest enemy in view (the
// laser close by, the gun farther out), backs away from rammers, lands to
// repair when its hull is low, takes the upgrade it likes best, and once a
// world is cleared lets the game's autopilot take it to the wormhole onward.
// Its aim trails a moving target by a human reaction time; a player who
// dodges does better.
//
// Usage, inside data/: playthrough [easy|normal|hard|endless] [picture folder] [seconds]
// Both draw their upgrades and worlds from seed 1 (a recorded campaign from
// its recording's seed). With a folder, it saves a picture of the first
// wave, the first destruction, each arrival, the boss and the end. With
// seconds, it plays that long and stops, as a player who quits: a campaign
// is recorded in the replays folder of the player's folder
// (tools/record_replays.py keeps such runs as tests).
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/ReplayRun.h"
#include "desktop/GraphicsSetup.h"
#include "desktop/Screenshot.h"
#include "app/Startup.h"
#include "assets/NamedImages.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "combat/ShipCommand.h"
#include "combat/Targeting.h"
#include "core/Camera.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "endless/EndlessRun.h"
#include "endless/WorldGenerator.h"
#include "replay/ReplayRecorder.h"
#include "world/Universe.h"

namespace {
const Uint32 frameMs = 33;             // what this machine's software GL gives
const long long giveUpMs = 90 * 60000;  // a campaign still running then is lost
const long long statusEveryMs = 60000;
const int pictureWidth = 640;
const int pictureHeight = 512;
const float laserReach = 2200;
const float fleeDistance = 1100;
const float chaseBeyond = 3000;
const float reactionMs = 150;  // a human's aim trails a moving target
const float cruiseSpeed = 0.9f;
const float repairBelow = 0.35f;
const float pi = 3.14159265f;
const uint64_t runSeed = 1;
// The upgrades the pilot takes first: its aim is poor, so more and harder
// shots, then a hull that lasts.
const UpgradeKind liked[] = {UpgradeKind::gunRate,        UpgradeKind::gunSpread,   UpgradeKind::gunDamage,
                             UpgradeKind::hull,           UpgradeKind::laserDamage, UpgradeKind::shieldRecharge,
                             UpgradeKind::repair,         UpgradeKind::laserReach,  UpgradeKind::thrust,
                             UpgradeKind::turn,           UpgradeKind::shockwaveRadius, UpgradeKind::shockwavePull};

bool openWindow() {
    if (initWindowingLibrary(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) return false;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(pictureWidth, pictureHeight, 32, SDL_OPENGL) || glewInit() != GLEW_OK) return false;
    prepareDrawing(PictureArea{0, 0, pictureWidth, pictureHeight});
    return true;
}

// The turn from `heading` to `wanted`, from -pi to pi.
float turnBetween(float heading, float wanted) {
    float turn = std::fmod(wanted - heading, 2 * pi);
    if (turn > pi) turn -= 2 * pi;
    if (turn < -pi) turn += 2 * pi;
    return turn;
}

float speedOf(point v) { return std::sqrt(v.x * v.x + v.y * v.y); }

class Autopilot {
public:
    Autopilot(Universe& universe, Player& player, Campaign& campaign)
        : universe(universe), player(player), campaign(campaign) {}

    // The ship's command this frame, and where to aim (a world point); the
    // game's autopilot engaged through `pilot` flies while the command holds
    // no flight key.
    ShipCommand decide(point& aim, Pilot& pilot) {
        ShipCommand c;
        WorldState& world = universe.currentWorld();
        const Ship* target = nearestShip(world);
        if (target) {
            float d = pointDistance(target->position, player.position);
            c.weapon = d < laserReach ? 1 : 0;
            aim = c.weapon == 1 ? seen(*target) : lead(*target, d);
            c.fire = onScreen(target->position);
            if (d < fleeDistance && target->ai != 3) {
                steer(c, towards(target->position, player.position, cruiseSpeed));
                return c;
            }
        }
        if (repairing || player.health < campaign.fullHealth * repairBelow) return land(c);
        if (target && !campaign.cleared[static_cast<size_t>(campaign.world)] &&
            pointDistance(target->position, player.position) > chaseBeyond) {
            steer(c, towards(player.position, target->position, cruiseSpeed));
            return c;
        }
        if (campaign.cleared[static_cast<size_t>(campaign.world)]) {
            // The wormhole onward comes first, so it is the one marked.
            if (!pilot.autopilot) pilot.autopilotPressed = true;
            return c;
        }
        steer(c, point{0, 0});
        return c;
    }

private:
    const Ship* nearestShip(const WorldState& world) const {
        const Ship* best = nullptr;
        float bestDistance = 1e30f;
        for (const Ship& ship : world.ships) {
            float d = pointDistance(ship.position, player.position);
            if (d < bestDistance) {
                bestDistance = d;
                best = &ship;
            }
        }
        return best;
    }

    // Whether a player at the default zoom sees `at`.
    bool onScreen(point at) const {
        float halfHeight = Camera().viewHeight / 2;
        return std::fabs(at.x - player.position.x) < halfHeight * 1.25f &&
               std::fabs(at.y - player.position.y) < halfHeight;
    }

    // Where a player sees the ship: where it was a reaction time ago, a
    // time that varies, so the aim wobbles about the target as a hand does.
    point seen(const Ship& ship) {
        float late = std::uniform_real_distribution<float>(0, 2 * reactionMs)(hand);
        return point{ship.position.x - (ship.velocity.x - player.velocity.x) * late,
                     ship.position.y - (ship.velocity.y - player.velocity.y) * late};
    }

    // Where a gun shot meets the ship, as shots carry the ship's velocity,
    // aimed from where the player sees it.
    point lead(const Ship& ship, float distance) {
        point at = seen(ship);
        float t = distance / weaponStat(0, GUNSPEED);
        return point{at.x + (ship.velocity.x - player.velocity.x) * t, at.y + (ship.velocity.y - player.velocity.y) * t};
    }

    // A velocity of `speed` from `from` toward `to`.
    static point towards(point from, point to, float speed) {
        float d = std::max(pointDistance(from, to), 1.0f);
        return point{(to.x - from.x) / d * speed, (to.y - from.y) / d * speed};
    }

    // Pushes the ship's velocity toward `wanted`: turns to face what is
    // missing and thrusts, or brakes when it faces away from it.
    void steer(ShipCommand& c, point wanted) {
        point missing{wanted.x - player.velocity.x, wanted.y - player.velocity.y};
        if (player.landed) {
            c.thrust = speedOf(missing) > 0.2f ? 1 : 0;
            return;
        }
        if (speedOf(missing) < 0.03f) return;
        float turn = turnBetween(player.angle, std::atan2(missing.y, missing.x));
        c.turnLeft = turn > 0.05f && turn < 2.8f ? 1 : 0;
        c.turnRight = turn < -0.05f && turn > -2.8f ? 1 : 0;
        c.thrust = std::fabs(turn) < 0.35f ? 1 : 0;
        c.reverse = c.thrust == 0 && std::fabs(turn) > 2.8f ? 1 : 0;
    }

    // Flies slowly to the nearest planet, sits there until repaired.
    ShipCommand land(ShipCommand c) {
        repairing = player.health < campaign.fullHealth;
        if (player.landed) return c;
        const Planet* nearest = nullptr;
        float best = 1e30f;
        for (const Star& star : universe.currentWorld().stars) {
            for (const Planet& planet : star.planets) {
                float d = pointDistance(planet.position, player.position) - planet.radius;
                if (d < best) {
                    best = d;
                    nearest = &planet;
                }
            }
        }
        if (!nearest) return c;
        float wanted = best > 1500 ? cruiseSpeed : 0.35f;
        point approach = towards(player.position, nearest->position, wanted);
        steer(c, point{nearest->velocity.x + approach.x, nearest->velocity.y + approach.y});
        return c;
    }

    Universe& universe;
    Player& player;
    Campaign& campaign;
    bool repairing = false;
    std::mt19937 hand{7};
};

// The cursor that aims the weapons at `aim`, for the camera on the ship.
point cursorFor(const FrameState& state, point centre, point aim) {
    ViewRect view = state.camera.viewRect(centre);
    return point{std::clamp((aim.x - view.left) / (view.right - view.left) * 100, 0.0f, 100.0f),
                 std::clamp((aim.y - view.bottom) / (view.top - view.bottom) * 100, 0.0f, 100.0f)};
}

void savePicture(const std::string& folder, const std::string& name) {
    if (folder.empty()) return;
    std::filesystem::create_directories(folder);
    std::vector<unsigned char> rgb(static_cast<size_t>(pictureWidth) * pictureHeight * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, pictureWidth, pictureHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::FILE* file = std::fopen((folder + "/" + name + ".png").c_str(), "wb");
    if (file) {
        writePng(file, pictureWidth, pictureHeight, rgb);
        std::fclose(file);
    }
}

// What happened worth a line and a picture since the last frame.
struct Watch {
    int world = -1;
    int deaths = 0;
    size_t cleared = 0;
    bool waveSeen = false;
    bool bossSeen = false;
    long long lastStatus = 0;
};

size_t likedChoice(const std::vector<Upgrade>& offer) {
    for (UpgradeKind kind : liked) {
        for (size_t i = 0; i < offer.size(); ++i) {
            if (offer[i].kind == kind) return i;
        }
    }
    return 0;
}

size_t clearedCount(const Campaign& campaign) {
    size_t count = 0;
    for (bool c : campaign.cleared) count += c ? 1 : 0;
    return count;
}

void report(Watch& watch, const Campaign& campaign, const std::string& folder, long long ms) {
    std::string at = playTime(ms);
    if (campaign.world != watch.world) {
        watch.world = campaign.world;
        std::printf("%7s  entered %s\n", at.c_str(), campaign.worldName(campaign.world).c_str());
        savePicture(folder, "arrival-" + std::to_string(campaign.world));
    }
    if (clearedCount(campaign) != watch.cleared) {
        watch.cleared = clearedCount(campaign);
        std::printf("%7s  cleared %s, score %lld\n", at.c_str(), campaign.worldName(campaign.world).c_str(),
                    campaign.run.score);
    }
    if (campaign.run.deaths != watch.deaths) {
        watch.deaths = campaign.run.deaths;
        std::printf("%7s  destroyed (%d so far)\n", at.c_str(), watch.deaths);
        if (watch.deaths == 1) savePicture(folder, "destroyed");
    }
    const WorldState& world = campaign.universe.worlds[static_cast<size_t>(campaign.world)];
    if (ms / statusEveryMs != watch.lastStatus) {
        watch.lastStatus = ms / statusEveryMs;
        std::printf("%7s  in %s: %d kills, %zu enemies, hull %.0f, at %.0f %.0f\n", at.c_str(),
                    campaign.worldName(campaign.world).c_str(), campaign.run.kills, world.ships.size(),
                    campaign.player.health, campaign.player.position.x, campaign.player.position.y);
        savePicture(folder, "status-" + std::to_string(watch.lastStatus));
    }
    for (const Ship& ship : world.ships) {
        float d = pointDistance(ship.position, campaign.player.position);
        if (!watch.waveSeen && d < 2500) {
            watch.waveSeen = true;
            savePicture(folder, "first-wave");
        }
        if (!watch.bossSeen && ship.radius > 100 && d < 2500) {
            watch.bossSeen = true;
            savePicture(folder, "boss");
        }
    }
}

// The run's worlds, its upgrades and, for an endless run, the worlds ahead.
struct Run {
    // The run's worlds and upgrades come from `seed`.
    Run(Startup& startup, const std::string& mode, Uint32 now, uint64_t seed) {
        if (mode == "endless") {
            endless = std::make_unique<EndlessRun>(seed, startup.campaignScript);
            endless->keepAhead(0, universe);
            loadNamedImages();
        } else {
            universe = freshUniverse(startup.campaignUniverse);
        }
        player = std::make_unique<Player>(*startup.player);
        universe.player = player.get();
        relinkEmitters(universe);
        if (endless) {
            player->position = firstArrival;
            campaign = std::make_unique<Campaign>(endless->script, universe, endlessDifficulty(endless->script),
                                                  static_cast<int>(now));
            campaign->run.endless = true;
            campaign->spareShips = endlessSpareShips;
        } else {
            const Difficulty& difficulty = *startup.campaignScript.difficulty(mode);
            campaign = std::make_unique<Campaign>(startup.campaignScript, universe, difficulty, static_cast<int>(now));
        }
        campaign->run.seed = seed;
        campaign->upgradeTable = &startup.upgrades;
    }

    // After a frame: the upgrade the pilot likes best, and the next world.
    void afterFrame(int now) {
        if (!campaign->offer.empty()) {
            std::string at = playTime(campaign->run.timeMs);
            size_t choice = likedChoice(campaign->offer);
            if (recorder) recorder->replay.header.upgradeChoices.push_back(static_cast<int>(choice));
            campaign->takeUpgrade(choice, now);
            std::printf("%7s  took %s\n", at.c_str(), campaign->upgrades.back().text.c_str());
        }
        if (endless && endless->keepAhead(campaign->world, universe)) {
            campaign->noteNewWorlds();
            loadNamedImages();
            relinkEmitters(universe);
        }
    }

    Universe universe;
    std::unique_ptr<Player> player;
    std::unique_ptr<EndlessRun> endless;
    std::unique_ptr<Campaign> campaign;
    // The recording the choices go into, when the run is recorded.
    ReplayRecorder* recorder = nullptr;
};

void sayHowItEnded(const Campaign& campaign) {
    const RunResult& run = campaign.run;
    if (run.endless) {
        std::printf("Run over after %s: %d worlds cleared, score %lld, %d kills, %d deaths\n",
                    playTime(run.timeMs).c_str(), run.worlds, run.score, run.kills, run.deaths);
        return;
    }
    std::printf("%s after %s: score %lld, %d kills, %d deaths\n", campaign.won ? "Won" : "Not won",
                playTime(run.timeMs).c_str(), run.score, run.kills, run.deaths);
}
}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string mode = argc > 1 ? argv[1] : "normal";
    std::string folder = argc > 2 ? argv[2] : "";
    long long stopAfterMs = argc > 3 ? std::atoll(argv[3]) * 1000 : giveUpMs;
    if (!openWindow()) return 1;
    Startup startup;
    startup.withCampaign = true;
    if (!startup.loadAll() || !startup.campaign) {
        std::printf("No campaign to play\n");
        return 1;
    }
    if (mode != "endless" && !startup.campaignScript.difficulty(mode)) {
        std::printf("No difficulty called %s\n", mode.c_str());
        return 1;
    }
    Uint32 now = 1000;
    setTicksForTesting(&now);
    FrameState state;
    state.window.area = PictureArea{0, 0, pictureWidth, pictureHeight};
    state.clockTime = now;
    state.shown.statusLines = false;
    state.shown.hud = true;
    state.shown.flight = true;
    // A recording begins before the run, as the game's do.
    std::unique_ptr<ReplayRecorder> recorder;
    bool endless = mode == "endless";
    if (argc > 3) {
        recorder = startRecording(state, endless ? ReplayMode::endless : ReplayMode::campaign,
                                  endless ? endlessDifficulty(startup.campaignScript).name : mode, {});
        recorder->replay.header.worldSeed = runSeed;
    }
    Run run(startup, mode, now, recorder && !endless ? recorder->replay.header.seed : runSeed);
    run.recorder = recorder.get();
    Campaign& campaign = *run.campaign;
    Player& player = *run.player;
    state.campaign = &campaign;

    Autopilot pilot(run.universe, player, campaign);
    Watch watch;
    std::printf("Playing %s on %s, %u ms a frame\n", run.endless ? "an endless run" : "the campaign",
                campaign.difficulty.name.c_str(), frameMs);
    while (!campaign.ended() && campaign.run.timeMs < stopAfterMs) {
        now += frameMs;
        point aim = player.position;
        ShipCommand command = pilot.decide(aim, state.pilot);
        state.cursor = cursorFor(state, player.position, aim);
        drawFrame(state, run.universe, *startup.font, command);
        report(watch, campaign, folder, campaign.run.timeMs);
        run.afterFrame(static_cast<int>(now));
        SDL_GL_SwapBuffers();
        glClear(GL_COLOR_BUFFER_BIT);
    }
    savePicture(folder, "end");
    if (recorder) {
        endRun(state);
        std::printf("Recorded in %s\n", recorder->path.c_str());
    }
    sayHowItEnded(campaign);
    setTicksForTesting(nullptr);
    SDL_Quit();
    return campaign.won || campaign.run.endless || recorder ? 0 : 1;
}
