#pragma once

#include <set>
#include <string>

#include "core/SeededRandom.h"

// Pleasant made-up names from syllables, never twice for one maker: one
// maker names the bodies of one world.
class NameMaker {
public:
    explicit NameMaker(SeededRandom& random) : random(random) {}

    // One word: a star's or a planet's name.
    std::string body();
    // A name and a kind of place: "Velara Reach".
    std::string world();

private:
    std::string word();

    SeededRandom& random;
    std::set<std::string> given;
};
