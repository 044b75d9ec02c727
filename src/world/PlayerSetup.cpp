#include "world/PlayerSetup.h"

#include <cstddef>
#include <iostream>

#include "assets/Tables.h"
#include "combat/Player.h"

std::unique_ptr<Player> initializePlayer() {
    std::cout << "Loading player data" << std::endl;
    NumberTable table;
    if (!readData("playerdata.txt", 7, table)) {
        std::cout << "playerdata read failure" << std::endl;
    }
    if (table.empty()) {
        std::cout << "playerdata.txt: no player row, cannot build the ship" << std::endl;
        return nullptr;
    }
    const std::vector<float>& row = table[0];
    auto cell = [&row](std::size_t column) { return column < row.size() ? row[column] : 0.0f; };
    return std::make_unique<Player>(point{cell(0), cell(1)}, cell(2), cell(3), cell(4), cell(5), cell(6));
}
