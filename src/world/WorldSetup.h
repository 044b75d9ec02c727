#pragma once

class Universe;

// Fills the universe from "stardata.txt", "planetdata.txt" and "wormholedata.txt".
// False (after a message) when a file is missing or a row is unusable.
bool initializeStars(Universe& universe);
