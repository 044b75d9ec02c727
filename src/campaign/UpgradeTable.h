#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What an upgrade changes, and how it is meant to act on the ship (A is its
// amount; taking a kind again applies it again, on top):
//   hull A             the ship's most hit points times (1 + A/100); the ship
//                      gains the difference at once
//   thrust A           forward and reverse thrust times (1 + A/100)
//   turn A             turn rate times (1 + A/100)
//   gun_rate A         the gun's cooldown divided by (1 + A/100)
//   gun_damage A       damage per gun hit times (1 + A/100)
//   gun_spread A       each gun shot brings A more (whole), fanned out 0.1
//                      radians apart, half to each side; 8 more at most
//   laser_reach A      the beam's reach (campaign.txt's laser_reach) times
//                      (1 + A/100); a beam to the world's edge stays so
//   laser_damage A     the beam's damage per ms times (1 + A/100)
//   shockwave_radius A the ring grows A % wider in the same time
//   shockwave_pull A   ships inside a growing ring are drawn towards its
//                      centre at A units per second
//   shield_recharge A  the shield (campaign.txt's shield) refills A hit
//                      points a second faster; no shield, no change
//   repair A           repair while landed gently times (1 + A/100)
enum class UpgradeKind {
    hull,
    thrust,
    turn,
    gunRate,
    gunDamage,
    gunSpread,
    laserReach,
    laserDamage,
    shockwaveRadius,
    shockwavePull,
    shieldRecharge,
    repair
};

struct Upgrade {
    UpgradeKind kind = UpgradeKind::hull;
    float amount = 0;
    std::string icon;  // a picture in the data folder, usually in hud/
    std::string text;  // what the choice shows: "Gun: +20 % fire rate"
    int line = 0;
};

const char* const upgradesFile = "campaign/upgrades.txt";
// A choice offers this many.
const size_t upgradesOffered = 3;

// The upgrades a cleared world may offer, as campaign/upgrades.txt lists them.
class UpgradeTable {
public:
    // Three upgrades for one choice, by their index in `upgrades`, each of
    // another kind while the table has kinds enough; the same seed draws the
    // same three for the same choice of a run (counted from 0).
    std::vector<size_t> drawChoice(uint64_t seed, int choice = 0) const;

    std::vector<Upgrade> upgrades;
};

// The upgrades taken, for a list: each text once, in the order first taken,
// with the times taken after it when more than once ("Gun: +20 % fire rate x2").
std::vector<std::string> upgradeList(const std::vector<Upgrade>& taken);
// An upgrade as a save keeps it: the words of its line in upgrades.txt
// ("-" for no icon), and back; "" when they make one, else what is wrong.
std::string upgradeWords(const Upgrade& upgrade);
std::string upgradeFromWords(const std::vector<std::string>& words, Upgrade& upgrade);
// The keyword the file names a kind by: `gun_rate`.
const char* upgradeKeyword(UpgradeKind kind);
// Reads an upgrades file: one upgrade a line, `KIND AMOUNT ICON TEXT`.
// False (after a line naming file, line and problem for each) when it is
// missing or any line is wrong.
bool readUpgradeTable(const std::string& fileName, UpgradeTable& table);
// Reads campaign/upgrades.txt when the data set has one: false silently
// without it, and after the problems and a line saying so when it is wrong.
bool loadUpgrades(UpgradeTable& table);
