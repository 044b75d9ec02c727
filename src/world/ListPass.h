#pragma once

#include <list>

// Visits every element once, front to back. An element for which `keep`
// returns false is removed and the pass goes on with the one that followed it,
// so neighbours and the last element can all go in the same pass.
template <typename T, typename Keep>
void keepWhere(std::list<T>& items, Keep keep) {
    for (auto it = items.begin(); it != items.end();) {
        if (keep(*it)) {
            ++it;
        } else {
            it = items.erase(it);
        }
    }
}
