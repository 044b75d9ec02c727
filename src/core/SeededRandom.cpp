#include "core/SeededRandom.h"

#include <chrono>
#include <random>

namespace {
// splitmix64's step: every state gives a well-mixed output.
uint64_t mixed(uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}
const uint64_t golden = 0x9E3779B97F4A7C15ULL;
}  // namespace

SeededRandom::SeededRandom(uint64_t seed, uint64_t stream) : state(mixed(seed) ^ mixed(stream + golden)) {}

uint64_t SeededRandom::next() {
    state += golden;
    return mixed(state);
}

double SeededRandom::unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

float SeededRandom::between(float lo, float hi) { return lo + static_cast<float>(unit()) * (hi - lo); }

int SeededRandom::whole(int lo, int hi) {
    uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
    return static_cast<int>(lo + static_cast<int64_t>(next() % span));
}

bool SeededRandom::chance(double probability) { return unit() < probability; }

uint64_t freshSeed() {
    std::random_device device;
    uint64_t time = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return mixed((static_cast<uint64_t>(device()) << 32 | device()) ^ time);
}
