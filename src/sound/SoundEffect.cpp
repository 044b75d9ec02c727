#include "sound/SoundEffect.h"

#include <iterator>

namespace {
// Same order as SoundEffect. Gaps keep bursts of one event (a ship inside a
// star explodes every frame) from stacking into a roar.
// file, loops, at once, least gap ms, optional, fight, level
const SoundFile files[] = {
    {"sounds/engine.wav", true, 1, 0, false, false, 0.6f},
    {"sounds/laser.wav", true, 1, 0, false, true, 0.4f},
    {"sounds/gunShot.wav", false, 4, 0, false, true, 0.4f},
    {"sounds/shockwaveShot.wav", false, 3, 0, false, true, 0.5f},
    {"sounds/shockwaveBurst.wav", false, 3, 100, false, true, 0.7f},
    {"sounds/explosion.wav", false, 4, 100, false, true, 0.7f},
    {"sounds/touchDown.wav", false, 1, 0},
    {"sounds/crash.wav", false, 2, 200},
    {"sounds/liftOff.wav", false, 1, 0},
    {"sounds/wormholeJump.wav", false, 1, 0},
    {"sounds/ram.wav", false, 3, 60, false, true, 0.7f},
    {"sounds/shipDestroyed.wav", false, 1, 0, true},
    {"sounds/worldCleared.wav", false, 1, 0, true},
    {"sounds/respawn.wav", false, 1, 0, true},
    {"sounds/repair.wav", false, 1, 0, true},
    {"sounds/victory.wav", false, 1, 0, true},
    {"sounds/menuMove.wav", false, 2, 30, true},
    {"sounds/menuSelect.wav", false, 1, 0, true},
    {"sounds/enemyShot.wav", false, 3, 60, true, true, 0.7f},
    {"sounds/playerHit.wav", false, 2, 250, true, true, 0.7f},
    {"sounds/enemyHit.wav", false, 3, 40, true, true, 0.8f},
};
static_assert(std::size(files) == soundEffectCount, "one file for each sound");
}  // namespace

const SoundFile& soundFile(SoundEffect effect) { return files[static_cast<int>(effect)]; }
