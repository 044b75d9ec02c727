#include "campaign/UpgradeTable.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <set>

#include "assets/DataReport.h"
#include "campaign/LineReader.h"
#include "campaign/SaveText.h"
#include "core/DataFile.h"
#include "core/SeededRandom.h"

namespace {

const uint64_t choiceStream = 3;
// What the choice screen fits on one line.
const size_t longestText = 40;

// A kind, its keyword and the amounts it takes.
struct KindRange {
    UpgradeKind kind;
    const char* keyword;
    float least;
    float most;
    bool whole;
};

const KindRange kinds[] = {
    {UpgradeKind::hull, "hull", 1, 200, false},
    {UpgradeKind::thrust, "thrust", 1, 100, false},
    {UpgradeKind::turn, "turn", 1, 100, false},
    {UpgradeKind::gunRate, "gun_rate", 1, 300, false},
    {UpgradeKind::gunDamage, "gun_damage", 1, 300, false},
    {UpgradeKind::gunSpread, "gun_spread", 1, 4, true},
    {UpgradeKind::laserReach, "laser_reach", 1, 200, false},
    {UpgradeKind::laserDamage, "laser_damage", 1, 300, false},
    {UpgradeKind::shockwaveRadius, "shockwave_radius", 1, 200, false},
    {UpgradeKind::shockwavePull, "shockwave_pull", 10, 2000, false},
    {UpgradeKind::shieldRecharge, "shield_recharge", 1, 1000, false},
    {UpgradeKind::repair, "repair", 1, 500, false},
};

const KindRange* kindNamed(const std::string& keyword) {
    for (const KindRange& range : kinds) {
        if (keyword == range.keyword) return &range;
    }
    return nullptr;
}

bool readAmount(LineReader& in, const KindRange& range, float& amount) {
    const std::string what = std::string(range.keyword) + " amount";
    if (!range.whole) return in.number(0, what, range.least, range.most, amount);
    int whole = 0;
    if (!in.whole(0, what, static_cast<int>(range.least), static_cast<int>(range.most), whole)) return false;
    amount = static_cast<float>(whole);
    return true;
}

void readUpgrade(LineReader& in, UpgradeTable& table) {
    const KindRange* range = kindNamed(in.keyword());
    if (range == nullptr) {
        in.fail("unknown upgrade \"" + in.keyword() + "\"");
        return;
    }
    Upgrade upgrade;
    upgrade.kind = range->kind;
    upgrade.line = in.line;
    if (in.valueCount() < 3) {
        in.fail(in.keyword() + " needs an amount, an icon and a text");
        return;
    }
    if (!readAmount(in, *range, upgrade.amount)) return;
    upgrade.icon = in.word(1);
    upgrade.text = in.rest(2);
    if (upgrade.text.size() > longestText) {
        in.fail("text \"" + shortened(upgrade.text) + "\" is longer than " + std::to_string(longestText) + " characters");
        return;
    }
    if (!dataFileProblem(upgrade.icon, imageFiles).empty()) {
        in.report.warn(in.line, "icon " + shortened(upgrade.icon) + " is not a file; none is shown");
        upgrade.icon.clear();
    }
    table.upgrades.push_back(upgrade);
}

}  // namespace

const char* upgradeKeyword(UpgradeKind kind) {
    for (const KindRange& range : kinds) {
        if (range.kind == kind) return range.keyword;
    }
    return "";
}

std::string upgradeWords(const Upgrade& upgrade) {
    return std::string(upgradeKeyword(upgrade.kind)) + " " + exactly(upgrade.amount) + " " +
           (upgrade.icon.empty() ? "-" : upgrade.icon) + " " + upgrade.text;
}

std::string upgradeFromWords(const std::vector<std::string>& words, Upgrade& upgrade) {
    const KindRange* range = words.empty() ? nullptr : kindNamed(words[0]);
    if (range == nullptr) return "not an upgrade";
    if (words.size() < 4) return std::string(range->keyword) + " needs an amount, an icon and a text";
    int whole = 0;
    bool fits = range->whole ? readWhole(words[1], static_cast<int>(range->least), static_cast<int>(range->most), whole)
                             : readNumber(words[1], range->least, range->most, upgrade.amount);
    if (!fits) return std::string(range->keyword) + " amount out of its range";
    if (range->whole) upgrade.amount = static_cast<float>(whole);
    upgrade.kind = range->kind;
    upgrade.icon = words[2] == "-" ? "" : words[2];
    upgrade.text = words[3];
    for (size_t i = 4; i < words.size(); ++i) upgrade.text += " " + words[i];
    if (upgrade.text.size() > longestText) return "upgrade text longer than " + std::to_string(longestText) + " characters";
    return "";
}

std::vector<std::string> upgradeList(const std::vector<Upgrade>& taken) {
    std::vector<std::string> texts;
    std::vector<int> times;
    for (const Upgrade& upgrade : taken) {
        auto found = std::find(texts.begin(), texts.end(), upgrade.text);
        if (found == texts.end()) {
            texts.push_back(upgrade.text);
            times.push_back(1);
        } else {
            ++times[static_cast<size_t>(found - texts.begin())];
        }
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        if (times[i] > 1) texts[i] += " x" + std::to_string(times[i]);
    }
    return texts;
}

std::vector<size_t> UpgradeTable::drawChoice(uint64_t seed, int choice) const {
    SeededRandom random(seed, choiceStream + 16 * static_cast<uint64_t>(choice));
    std::vector<size_t> order;
    for (size_t i = 0; i < upgrades.size(); ++i) order.push_back(i);
    for (size_t i = order.size(); i > 1; --i) {
        std::swap(order[i - 1], order[static_cast<size_t>(random.whole(0, static_cast<int>(i) - 1))]);
    }
    std::vector<size_t> chosen;
    std::set<UpgradeKind> kindsChosen;
    for (size_t index : order) {
        if (chosen.size() < upgradesOffered && kindsChosen.insert(upgrades[index].kind).second) chosen.push_back(index);
    }
    for (size_t index : order) {
        bool taken = std::find(chosen.begin(), chosen.end(), index) != chosen.end();
        if (chosen.size() < upgradesOffered && !taken) chosen.push_back(index);
    }
    return chosen;
}

bool readUpgradeTable(const std::string& fileName, UpgradeTable& table) {
    DataReport report(fileName);
    if (!readKeywordLines(fileName, report, [&table](LineReader& in) { readUpgrade(in, table); })) return false;
    if (!report.failed() && table.upgrades.size() < upgradesOffered) {
        report.fail(0, "needs at least " + std::to_string(upgradesOffered) + " upgrades for a choice, found " +
                           std::to_string(table.upgrades.size()));
    }
    return !report.failed();
}

bool loadUpgrades(UpgradeTable& table) {
    std::error_code error;
    if (!std::filesystem::exists(upgradesFile, error)) return false;
    if (readUpgradeTable(upgradesFile, table)) return true;
    table.upgrades.clear();
    std::cout << "No upgrades: a cleared world offers none" << std::endl;
    return false;
}
