#include "app/MusicCue.h"

#include <algorithm>

#include "app/FrameState.h"
#include "combat/Player.h"
#include "core/Geometry.h"
#include "sound/Sound.h"
#include "world/Universe.h"

namespace {
bool enemyNear(Universe& universe) {
    point ship = universe.player->position;
    const auto& ships = universe.currentWorld().ships;
    return std::any_of(ships.begin(), ships.end(),
                       [ship](const Ship& enemy) { return pointDistance(enemy.position, ship) < fightReach; });
}

MusicScene sceneOf(const FrameState& state) {
    if (state.menuShown) return MusicScene::menus;
    return state.campaign ? MusicScene::campaign : MusicScene::freeFlight;
}
}  // namespace

void cueMusic(FrameState& state, Universe& universe) {
    MusicScene scene = sceneOf(state);
    if (scene != MusicScene::menus) {
        state.msSinceEnemyNear =
            enemyNear(universe) ? 0 : std::min(state.msSinceEnemyNear + state.frameTime, fightHoldMs);
    }
    playMusic(musicMood(scene, state.settings.freeFlightMusic, state.msSinceEnemyNear));
}
