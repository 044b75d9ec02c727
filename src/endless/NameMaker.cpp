#include "endless/NameMaker.h"

#include <cstring>
#include <iterator>

namespace {

const char* const openings[] = {"Al",  "Bel", "Cor", "Dra", "El",  "Fen", "Gal", "Hal", "Ira", "Kel",
                                "Lor", "Mar", "Nel", "Or",  "Pal", "Quel", "Ren", "Sel", "Tal", "Ul",
                                "Vel", "Wyn", "Xan", "Yr",  "Zel", "Ash", "Cae", "Dor", "Eri", "Ith",
                                "Lys", "Myr", "Nov", "Ory", "Sar", "Thal", "Ven", "Zor", "Ael", "Bri"};
const char* const middles[] = {"a", "e", "i", "o", "an", "en", "ar", "el", "is", "or", "ia", "u", "ith", "ov"};
const char* const endings[] = {"ra", "ris", "on", "en", "ia", "us", "eth", "ar", "is", "a",
                               "or", "une", "ion", "ax", "os", "ira", "ane", "el", "yn", "ea"};
const char* const places[] = {"Reach", "Drift", "Deep",  "Gate",  "Expanse", "Verge",   "Shoals",
                              "Hollow", "Rift", "Span",  "Crossing", "Haven", "Narrows", "Fields"};
// Joins two vowels, which would read badly side by side.
const char joiners[] = "lnrv";

bool vowel(char c) { return std::strchr("aeiouyAEIOUY", c) != nullptr; }

template <size_t count>
const char* pick(SeededRandom& random, const char* const (&list)[count]) {
    return list[random.whole(0, static_cast<int>(count) - 1)];
}

void append(SeededRandom& random, std::string& name, const char* piece) {
    if (vowel(name.back()) && vowel(piece[0])) name += joiners[random.whole(0, 3)];
    name += piece;
}

}  // namespace

std::string NameMaker::word() {
    std::string name = pick(random, openings);
    if (random.chance(0.4)) append(random, name, pick(random, middles));
    append(random, name, pick(random, endings));
    return name;
}

std::string NameMaker::body() {
    std::string name = word();
    // Past a few tries the pool is nearly spent; a numbered name is still unique.
    for (int tries = 0; given.count(name) > 0; ++tries) {
        name = tries < 20 ? word() : word() + "-" + std::to_string(tries);
    }
    given.insert(name);
    return name;
}

// The place is drawn first: the worlds of a seed were named so.
std::string NameMaker::world() {
    const char* place = pick(random, places);
    return word() + " " + place;
}
