// Plays the shipped campaign with an autopilot through the real frame loop,
// at a fixed frame time, and prints when each world was entered and cleared,
// the deaths and the score: proof that the campaign can be won, and a
// measure of how long it takes. A plain pilot: it shoots the nearest enemy
// (the laser close by, the gun farther out), backs away from rammers, lands
// to repair when its hull is low, and flies to the next open wormhole once a
// world is cleared. A player who dodges does better.
//
// Usage, inside data/: playthrough [easy|normal|hard] [picture folder]
// With a folder, it saves a picture of the first wave, the first
// destruction, each arrival, the boss and the end.
#include <GL/glew.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "app/GraphicsSetup.h"
#include "app/Screenshot.h"
#include "app/Startup.h"
#include "app/VictoryScreen.h"
#include "campaign/Campaign.h"
#include "combat/Player.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Geometry.h"
#include "core/Platform.h"
#include "world/Universe.h"

namespace {
const Uint32 frameMs = 33;             // what this machine's software GL gives
const long long giveUpMs = 90 * 60000;  // a campaign still running then is lost
const int pictureWidth = 640;
const int pictureHeight = 512;
const float laserReach = 2200;
const float fleeDistance = 1100;
const float cruiseSpeed = 0.9f;
const float repairBelow = 0.35f;
const float pi = 3.14159265f;

bool openWindow() {
    if (initWindowingLibrary(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) return false;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(pictureWidth, pictureHeight, 32, SDL_OPENGL) || glewInit() != GLEW_OK) return false;
    prepareDrawing(PictureArea{0, 0, pictureWidth, pictureHeight});
    return true;
}

float angleTo(point from, point to) { return std::atan2(to.y - from.y, to.x - from.x); }

// The turn from `heading` to `wanted`, from -pi to pi.
float turnBetween(float heading, float wanted) {
    float turn = std::fmod(wanted - heading, 2 * pi);
    if (turn > pi) turn -= 2 * pi;
    if (turn < -pi) turn += 2 * pi;
    return turn;
}

float speedOf(point v) { return std::sqrt(v.x * v.x + v.y * v.y); }

struct Presses {
    bool thrust = false;
    bool brake = false;
    bool left = false;
    bool right = false;
    bool fire = false;
};

class Autopilot {
public:
    Autopilot(Universe& universe, Player& player, Campaign& campaign)
        : universe(universe), player(player), campaign(campaign) {}

    // What to press this frame, and where to aim (a world point).
    Presses decide(point& aim) {
        Presses c;
        WorldState& world = universe.currentWorld();
        const Ship* target = nearestShip(world);
        float speed = speedOf(player.velocity);
        if (target) {
            float d = pointDistance(target->position, player.position);
            aim = lead(*target, d);
            player.weapon = d < laserReach ? 1 : 0;
            c.fire = d < 6000;
            if (d < fleeDistance && target->ai != 3) {
                steer(c, angleTo(target->position, player.position), speed);
                return c;
            }
        }
        if (repairing || player.health < campaign.fullHealth * repairBelow) return land(c);
        if (!target && campaign.cleared[static_cast<size_t>(campaign.world)]) {
            const Wormhole* next = nextWormhole(world);
            if (next) steer(c, angleTo(player.position, next->position), speed);
            return c;
        }
        c.brake = speed > 0.15f;
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

    // Where a gun shot meets the ship, as shots carry the ship's velocity.
    point lead(const Ship& ship, float distance) const {
        float t = distance / weaponStat(0, GUNSPEED);
        return point{ship.position.x + (ship.velocity.x - player.velocity.x) * t,
                     ship.position.y + (ship.velocity.y - player.velocity.y) * t};
    }

    // Turns toward `heading` and thrusts when facing it, braking past cruise speed.
    void steer(Presses& c, float heading, float speed) {
        float turn = turnBetween(player.angle, heading);
        c.left = turn > 0.05f;
        c.right = turn < -0.05f;
        bool facing = std::fabs(turn) < 0.35f;
        c.thrust = facing && speed < cruiseSpeed;
        c.brake = !c.thrust && speed > cruiseSpeed * 1.3f;
        if (player.landed && !c.thrust) c.thrust = facing;
    }

    // The wormhole to a world not yet cleared, else any open one.
    const Wormhole* nextWormhole(const WorldState& world) const {
        const Wormhole* any = nullptr;
        for (const Wormhole& wormhole : world.wormholes) {
            if (!wormhole.open) continue;
            if (!campaign.cleared[static_cast<size_t>(wormhole.destinationWorld)]) return &wormhole;
            any = &wormhole;
        }
        return any;
    }

    // Flies slowly to the nearest planet, sits there until repaired.
    Presses land(Presses c) {
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
        float heading = angleTo(player.position, nearest->position);
        float turn = turnBetween(player.angle, heading);
        c.left = turn > 0.05f;
        c.right = turn < -0.05f;
        float wanted = best > 1500 ? cruiseSpeed : 0.35f;
        float closing = speedOf(point{player.velocity.x - nearest->velocity.x, player.velocity.y - nearest->velocity.y});
        c.thrust = std::fabs(turn) < 0.3f && closing < wanted;
        c.brake = closing > wanted + 0.1f;
        return c;
    }

    Universe& universe;
    Player& player;
    Campaign& campaign;
    bool repairing = false;
};

void press(Uint8* keys, const Presses& c) {
    keys[SDLK_w] = c.thrust;
    keys[SDLK_s] = c.brake && !c.thrust;
    keys[SDLK_a] = c.left;
    keys[SDLK_d] = c.right;
    keys[SDLK_SPACE] = c.fire;
}

// The cursor that aims the weapons at `aim`, for the camera on the ship.
point cursorFor(const FrameState& state, point centre, point aim) {
    ViewRect view = state.viewRect(centre);
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
};

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
}  // namespace

int main(int argc, char** argv) {
    std::string difficultyName = argc > 1 ? argv[1] : "normal";
    std::string folder = argc > 2 ? argv[2] : "";
    if (!openWindow()) return 1;
    Startup startup;
    startup.withCampaign = true;
    if (!startup.loadAll() || !startup.campaign) {
        std::printf("No campaign to play\n");
        return 1;
    }
    const Difficulty* difficulty = startup.campaignScript.difficulty(difficultyName);
    if (!difficulty) {
        std::printf("No difficulty called %s\n", difficultyName.c_str());
        return 1;
    }
    Universe universe = freshUniverse(startup.campaignUniverse);
    Player player(*startup.player);
    universe.player = &player;
    relinkEmitters(universe);

    Uint32 now = 1000;
    setTicksForTesting(&now);
    Uint8 keys[SDLK_LAST] = {};
    setHeldKeysForTesting(keys);
    FrameState state;
    state.window.area = PictureArea{0, 0, pictureWidth, pictureHeight};
    state.clockTime = now;
    state.statusLinesShown = false;
    state.hudShown = true;
    state.viewHeight = 8000;
    Campaign campaign(startup.campaignScript, universe, *difficulty, static_cast<int>(now));
    state.campaign = &campaign;

    Autopilot pilot(universe, player, campaign);
    Watch watch;
    std::printf("Playing the campaign on %s, %u ms a frame\n", difficulty->name.c_str(), frameMs);
    while (!campaign.won && campaign.run.timeMs < giveUpMs) {
        now += frameMs;
        point aim = player.position;
        press(keys, pilot.decide(aim));
        state.cursor = cursorFor(state, player.position, aim);
        drawFrame(state, universe, *startup.font);
        report(watch, campaign, folder, campaign.run.timeMs);
        SDL_GL_SwapBuffers();
        glClear(GL_COLOR_BUFFER_BIT);
    }
    savePicture(folder, "end");
    std::printf("%s after %s: score %lld, %d kills, %d deaths\n", campaign.won ? "Won" : "Not won",
                playTime(campaign.run.timeMs).c_str(), campaign.run.score, campaign.run.kills, campaign.run.deaths);
    setHeldKeysForTesting(nullptr);
    setTicksForTesting(nullptr);
    SDL_Quit();
    return campaign.won ? 0 : 1;
}
