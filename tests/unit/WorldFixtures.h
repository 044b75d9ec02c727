#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "assets/EmitterData.h"
#include "assets/Shaders.h"
#include "assets/Tables.h"
#include "combat/Player.h"
#include "combat/Projectile.h"
#include "combat/Ship.h"
#include "world/Universe.h"
#include "world/WorldState.h"

// The small amount of global data that players, ships, shots and wormhole
// effects read when they are built: two weapon-less table rows, a drifting
// ship type with hit points, and one flame and one swirl effect definition.
inline EmitterDefinition smallEffect(float selector) {
    EmitterSection section(12, EmitterRow{0});
    section[0][0] = 4;  // particles
    section[11][0] = selector;
    return EmitterDefinition{section};
}

inline void provideGlobalTables() {
    WEAPONDATA.assign(3, std::vector<float>{100, 1, 1000, 10});
    SHIPDATA.assign(2, std::vector<float>{0, 0, -1, 100, 10});
    emitters = EmitterTable{smallEffect(0), smallEffect(1)};
    shaders.assign(3, 0);
}

class WorldTest : public GlobalTablesTest {
protected:
    void SetUp() override {
        GlobalTablesTest::SetUp();
        provideGlobalTables();
    }

    static Player playerAt(point position, float radius = 10) {
        return Player(position, 0.001f, 0.001f, 0.003f, 1000, radius);
    }
    static Projectile shotAt(point position, WorldState& world) {
        return Projectile(position, 1, 0, 0, world, 0, false, 1000, 0, 0);
    }
    static Ship shipAt(point position) { return Ship(position, 1); }
};

// Three empty worlds and a player far from everything, in world 0.
class UniverseTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        universe.worlds.resize(3);
        universe.player = &player;
    }
    Player player = playerAt(point{50000, 50000});
    Universe universe;
};

inline bool finite(point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// 4/3 x 3.14 x r^3 x density x 1e-6 x dt / d^2
inline double expectedPull(double radius, double density, double frameTime, double d) {
    return density * 0.000001 * frameTime * 4.1866666666666665 * radius * radius * radius / (d * d);
}
