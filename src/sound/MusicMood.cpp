#include "sound/MusicMood.h"

MusicMood musicMood(MusicScene scene, bool freeFlightMusic, int msSinceEnemyNear) {
    if (scene == MusicScene::menus) return MusicMood::title;
    if (scene == MusicScene::freeFlight && !freeFlightMusic) return MusicMood::silent;
    return msSinceEnemyNear < fightHoldMs ? MusicMood::fight : MusicMood::calm;
}
