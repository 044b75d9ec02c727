#pragma once

#include <memory>

class Player;

// Builds the player from "playerdata.txt"; nullptr (after a message) when the
// file is missing or holds no number.
std::unique_ptr<Player> initializePlayer();
