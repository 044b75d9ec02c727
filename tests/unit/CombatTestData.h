#pragma once

#include "TestSupport.h"
#include "assets/Tables.h"

// Combat tests start from these tables, put back after each test.
// Weapon rows: cooldown ms, speed units/ms, lifetime ms, damage.
// Ship rows: ai, thrust, top speed, hit points, ram damage.
class CombatTest : public GlobalTablesTest {
protected:
    void SetUp() override {
        GlobalTablesTest::SetUp();
        WEAPONDATA = {{200, 1.0f, 1000, 25}, {0, 0, 0, 0.5f}, {700, 1.6f, 1500, 0.1f}};
        SHIPDATA = {{3, 0.02f, 0.9f, 150, 40}, {1, 0.01f, 0.5f, 100, 60}};
    }
};
