#pragma once

#include <cstdint>

// A small random sequence that is the same on every machine and library for
// the same seed (the standard distributions are not), for what a seed must
// make again: generated worlds, upgrade choices.
class SeededRandom {
public:
    // `stream` keeps sequences made from one seed apart (a world's layout,
    // its waves, the next one ...).
    SeededRandom(uint64_t seed, uint64_t stream);

    uint64_t next();
    // From 0 up to (not including) 1.
    double unit();
    float between(float lo, float hi);
    // A whole number from lo to hi, both included.
    int whole(int lo, int hi);
    bool chance(double probability);

private:
    uint64_t state;
};

// A seed that differs from run to run, for when the player gives none.
uint64_t freshSeed();
