#pragma once

// What the music plays: nothing, the title's loop, or in play the calm loop
// or the fight loop.
enum class MusicMood { silent, title, calm, fight };

// Where the player is, as far as the music cares.
enum class MusicScene { menus, campaign, freeFlight };

// An enemy this close to the ship (the radar's reach) brings the fight loop,
// and it plays on this long after the last one has left or died, so that a
// lull between two waves does not turn the music back and forth.
const float fightReach = 10000;
const int fightHoldMs = 6000;

// The menus play the title's loop. In play it is the fight loop while an
// enemy was near in the last fightHoldMs, else the calm one; Free flight is
// silent unless the player turned its music on.
MusicMood musicMood(MusicScene scene, bool freeFlightMusic, int msSinceEnemyNear);
