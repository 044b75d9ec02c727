#include "endless/WaveMaker.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "core/SeededRandom.h"

namespace {

const uint64_t wavesStream = 2;
// shipdata.txt's campaign roster, by row: what generated waves send.
enum EnemyType { dartType = 2, skimmerType, lancerType, mineType, bruteType, dreadnoughtType };
const int mostShips = 10000;  // as campaign.txt allows
const int mostBonus = 1000000;

// An enemy type as the waves use it: from which world on, and how many a
// ships line sends in the first world.
struct Enemy {
    int type;
    int firstWorld;
    int total;
    int atOnce;
    int cap;
    int intervalMs;
};

const Enemy roster[] = {
    {dartType, 0, 8, 2, 4, 3500},   {skimmerType, 0, 2, 1, 1, 7000}, {mineType, 1, 4, 2, 3, 5000},
    {lancerType, 2, 3, 1, 2, 6500}, {bruteType, 3, 2, 1, 2, 8000},
};

// Counts grow by 15 % a world; the pace quickens until arrivals come twice as often.
ShipsLine shipsLine(SeededRandom& random, const Enemy& enemy, int number) {
    float growth = 1 + 0.15f * static_cast<float>(number);
    ShipsLine ships;
    ships.type = enemy.type;
    float total = static_cast<float>(enemy.total) * growth * random.between(0.8f, 1.2f);
    ships.total = std::clamp(static_cast<int>(std::lround(total)), 1, mostShips);
    ships.cap = enemy.cap + std::min(number / 4, 4);
    ships.atOnce = std::min(enemy.atOnce + number / 5, ships.cap);
    float pace = std::max(0.5f, 1 - 0.04f * static_cast<float>(number)) * random.between(0.9f, 1.1f);
    ships.intervalMs = static_cast<int>(std::lround(static_cast<float>(enemy.intervalMs) * pace / 100) * 100);
    return ships;
}

// Lowers the largest caps one at a time until the wave keeps to the limit.
void keepToLimit(Wave& wave, int limit) {
    for (;;) {
        int alive = 0;
        ShipsLine* largest = nullptr;
        for (ShipsLine& ships : wave.ships) {
            alive += std::min(ships.cap, ships.total);
            if (ships.cap > 1 && (largest == nullptr || ships.cap > largest->cap)) largest = &ships;
        }
        if (alive <= limit || largest == nullptr) return;
        --largest->cap;
        largest->atOnce = std::min(largest->atOnce, largest->cap);
    }
}

// Darts come in every wave; later waves bring more of the other types.
Wave makeWave(SeededRandom& random, int number, int index) {
    std::vector<const Enemy*> others;
    for (const Enemy& enemy : roster) {
        if (enemy.type != dartType && enemy.firstWorld <= number) others.push_back(&enemy);
    }
    Wave wave;
    wave.ships.push_back(shipsLine(random, roster[0], number));
    int extra = std::min(index + random.whole(0, 1), static_cast<int>(others.size()));
    for (int i = 0; i < extra; ++i) {
        size_t pick = static_cast<size_t>(random.whole(i, static_cast<int>(others.size()) - 1));
        std::swap(others[static_cast<size_t>(i)], others[pick]);
        wave.ships.push_back(shipsLine(random, *others[static_cast<size_t>(i)], number));
    }
    return wave;
}

}  // namespace

int totalShips(const WorldScript& script) {
    int total = 0;
    for (const Wave& wave : script.waves) {
        for (const ShipsLine& ships : wave.ships) total += ships.total;
    }
    return total;
}

bool bossWorld(int number) { return number % 5 == 4; }

int aliveLimit(int number) { return std::min(10 + number, 30); }

void makeWaves(uint64_t seed, int number, WorldScript& script) {
    SeededRandom random(seed, wavesStream + 16 * static_cast<uint64_t>(number));
    int waves = std::min(2 + number / 3 + random.whole(0, 1), 5);
    script.waves.clear();
    for (int index = 0; index < waves; ++index) script.waves.push_back(makeWave(random, number, index));
    if (bossWorld(number)) {
        int bosses = std::min(1 + number / 10, 20);
        script.waves.back().ships.push_back(ShipsLine{dreadnoughtType, bosses, 1, 20000, 1});
    }
    for (Wave& wave : script.waves) keepToLimit(wave, aliveLimit(number));
    script.goal = !bossWorld(number) && random.chance(0.5) ? WorldGoal::kills : WorldGoal::waves;
    script.killTarget = std::clamp(static_cast<int>(std::lround(0.75 * totalShips(script))), 1, mostShips);
    script.bonus = std::min(500 * (number + 1), mostBonus);
}
