#pragma once

#include <memory>
#include <string>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "campaign/CampaignScript.h"
#include "campaign/UpgradeTable.h"
#include "campaign/WaveSpawner.h"

class Player;
class Universe;
class WorldState;

// The name a world goes by: its block's name, else its first star's.
std::string worldNameIn(const CampaignScript& script, const Universe& universe, int world);

// What a message is about: a newer one of a kind replaces the older.
enum class MessageKind { world, wave, ship, landing, other };

// A line for the screen to show until the game clock reaches `until`; one
// that waits its turn keeps its whole time, `forMs`, for when it shows.
struct CampaignMessage {
    std::string text;
    int until;
    int forMs;
    MessageKind kind;
};

// A campaign being played: the rules of the script on top of the engine's
// own universe and ship. The frame loop runs the world step as in Free flight
// and then calls update(); everything the screen shows is read from here.
class Campaign {
public:
    // A new run: the ship, where playerdata.txt put it, enters the start
    // world. The universe is the run's own: its worlds show hits (WorldState::hitFeedback).
    Campaign(const CampaignScript& script, Universe& universe, const Difficulty& difficulty, int now);
    // A saved run (checked by readSave against this script and universe): the
    // world as it was left, the ship in flight or at the saved respawn point,
    // with the saved health. A save without the world's progress starts the
    // world again.
    Campaign(const CampaignScript& script, Universe& universe, const SavedCampaign& save, int now);
    Campaign(const Campaign&) = delete;
    Campaign& operator=(const Campaign&) = delete;

    // Once a frame, after the world step, with the game clock and frame time.
    void update(int now, int dt);

    // What the player is to do here, in one line.
    std::string objectiveText() const;
    // "Ship destroyed", with the ships left when they can run out.
    std::string shipsLeftText(const std::string& first) const;
    // Score, kills, deaths and time played, in one line.
    std::string scoreText() const;
    // True once after each moment the progress should be written.
    bool takeSaveRequest();
    // The run and the world as they stand, times counted from `now`.
    SavedCampaign progress(int now) const;
    // The name a world goes by: its block's name, else its first star's.
    std::string worldName(int world) const;
    // What destroying a ship of `type` adds to the score.
    long long pointsFor(int type) const;
    // Takes upgrade `choice` of the offer: the ship has it from now on.
    void takeUpgrade(size_t choice, int now);
    // Cleared worlds with waves (the final one aside) earn an upgrade each.
    size_t upgradesEarned() const;
    // The run is over: won, or its last ship lost.
    bool ended() const { return won || lost; }
    int endedAt() const { return won ? wonAt : lostAt; }

    const CampaignScript& script;
    Universe& universe;
    Player& player;
    Difficulty difficulty;
    float fullHealth;
    RunResult run;
    // By world number.
    std::vector<bool> cleared;
    int world = -1;
    // Enemies destroyed in this world since the ship entered it.
    int worldKills = 0;
    RespawnPoint respawn;
    int respawnAt = 0;
    bool won = false;
    int wonAt = 0;
    // Ships a run has left beyond the one flying; -1 never runs out (the campaign).
    int spareShips = -1;
    // The last ship was lost: the run ends.
    bool lost = false;
    int lostAt = 0;
    // What a cleared world may offer (not owned); null offers nothing.
    const UpgradeTable* upgradeTable = nullptr;
    // The upgrades taken, in order, and the three on offer while the player chooses.
    std::vector<Upgrade> upgrades;
    std::vector<Upgrade> offer;
    // Repair while landed, times this.
    float repairFactor = 1;
    bool saveWanted = false;
    // Why the last save was not written, in a player's words; "" once one is.
    std::string saveProblem;
    // Oldest first; the first `messagesShown` are on screen, the rest wait.
    // The ones whose time is over are dropped at each update.
    std::vector<CampaignMessage> messages;
    // Null once the world is cleared, or in a world without waves.
    std::unique_ptr<WaveSpawner> spawner;

    static constexpr int worldMessageMs = 5000;
    static constexpr int messageMs = 3000;
    static constexpr int shieldMs = 2000;
    // Past the soft edge the push back grows to this, over this many units.
    static constexpr float edgePushPerMs = 0.003f;
    static constexpr float edgePushRamp = 2000;
    static constexpr size_t messagesShown = 2;
    // Gun spread upgrades stop adding shots here, so a frame stays light.
    static constexpr int mostSpreadShots = 8;

    // Worlds added to the universe since (an endless run's): not cleared.
    void noteNewWorlds();
    // A line on screen (and on standard output) until `now + forMs`. The same
    // text again only lasts longer; a newer message of a kind takes the older
    // one's place.
    void say(const std::string& text, int now, MessageKind kind, int forMs = messageMs);

private:
    void dropOldMessages(int now);
    void fitShip();
    void applyUpgrade(const Upgrade& upgrade);
    void offerUpgrades();
    void enterWorld(int number, int now);
    void takeLosses(int number);
    void letEscapedShipsGo(int now);
    void keepInside(int now, int dt);
    void checkGoal(int now);
    void clearWorld(int now);
    void destroyShip(int now);
    void placeShip();
    void respawnShip(int now);
    void landAndRepair(int now, int dt);
    int killTarget() const;
    // What the world's block asks, or "" when it asks nothing.
    std::string goalText() const;
    WorldState& currentWorld();

    bool wasLanded = false;
    bool pastEdge = false;
};
