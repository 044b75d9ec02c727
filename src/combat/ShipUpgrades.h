#pragma once

// What the upgrades of a run change in the ship's weapons. Every value is
// neutral by default, so a ship without upgrades (Free flight's) fires as
// it always has. Upgrades of the hull, the engine and the shield change the
// ship's own values instead.
struct ShipUpgrades {
    // The gun's cooldown is divided by this, and its damage per hit multiplied.
    float gunRate = 1;
    float gunDamage = 1;
    // Shots each gun shot brings along, fanned out beside it.
    int gunSpread = 0;
    // How far the beam reaches, in units; 0 reaches the world's edge.
    float laserReach = 0;
    float laserDamage = 1;
    // The shockwave ring grows this many times as wide in the same time.
    float shockwaveRadius = 1;
    // Ships inside a growing ring are drawn towards its centre at this, in units per ms.
    float shockwavePullPerMs = 0;

    // Between neighbouring shots of the gun's fan, in radians.
    static constexpr float spreadStep = 0.1f;
};
