#pragma once

#include <string>
#include <vector>

struct Bindings;

// The first campaign's three hints (how to fly, how to fire, what to do),
// one after another, with the keys bound now. The HUD shows them where they
// cover nothing else.
class Hints {
public:
    void start(const Bindings& bindings, const std::string& objective, int now);
    // The hint of the moment, "" for none, and how far it has faded in (0 to 1).
    std::string line(int now, float& share) const;

    std::vector<std::string> lines;
    int startedAt = 0;

    static constexpr int eachMs = 7000;
};
