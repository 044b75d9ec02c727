#pragma once

#include <random>
#include <vector>

#include "campaign/CampaignProgress.h"
#include "campaign/CampaignScript.h"
#include "core/point.h"

class WorldState;

// The waves of one world, one after another: which ships arrive, where and
// when. Counts are scaled by the difficulty. Each ship is tagged with its
// ships line (numbered through the world's waves), so the spawner can count
// the ones alive in the world itself.
class WaveSpawner {
public:
    // With `repeatLast`, the last wave comes again whenever it is over, for a
    // goal no number of waves need meet.
    WaveSpawner(const CampaignScript& campaign, const WorldScript& world, const Difficulty& difficulty,
                bool repeatLast, unsigned seed);

    // Spawns what is due into `world` around `centre` (the ship), on the side
    // of `home` (the world's bodies) when the ship is far from them. True
    // when a wave is announced: it arrives after its delay.
    bool update(int now, WorldState& world, point centre, point home);
    // A ship of the current wave (by its tag) got away: its line sends it again.
    void comeBack(int tag);
    // Every ship of every wave has arrived and is gone.
    bool finished() const;
    // Waves announced so far (a repeated wave counts again), and how many the world has.
    int wavesBegun() const { return begun; }
    int waveCount() const { return static_cast<int>(waves.size()); }
    // Where the waves stand, times counted from `now`; and back to there
    // (the saved state fits these waves: campaign/SaveFile checks it).
    WaveProgress progress(int now) const;
    void resume(const WaveProgress& saved, int now);


private:
    struct LineState {
        int spawned = 0;
        int nextAt = 0;
    };

    void begin(int wave, int now);
    bool waveOver(const std::vector<int>& alive) const;
    void spawnDue(int now, WorldState& world, point centre, point home, const std::vector<int>& alive);
    point spawnPoint(point centre, point home);
    int tagOf(int line) const { return firstTag[static_cast<size_t>(current)] + line; }

    const CampaignScript& campaign;
    float damageFactor;
    bool repeatLast;
    // The world's waves with the counts already scaled.
    std::vector<Wave> waves;
    std::vector<int> firstTag;
    int current = -1;
    int begun = 0;
    int startsAt = 0;
    bool done = false;
    std::vector<LineState> lines;
    std::mt19937 random;
};
