#pragma once

#include <string>
#include <vector>

class Font;
struct Bindings;

// The first campaign's three hints (how to fly, how to fire, what to do),
// one after another at the foot of the picture, with the keys bound now.
class Hints {
public:
    void start(const Bindings& bindings, const std::string& objective, int now);
    void draw(Font& font, int now) const;

    std::vector<std::string> lines;
    int startedAt = 0;

    static constexpr int eachMs = 7000;
};
