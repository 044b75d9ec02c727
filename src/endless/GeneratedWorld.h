#pragma once

#include <string>
#include <vector>

#include "campaign/CampaignScript.h"
#include "core/point.h"

// One generated world as plain values, each rounded as its file row writes
// it, so that the rules judge exactly what the game will read.

struct GeneratedStar {
    point position{0, 0};
    float radius = 0;
    float density = 0;
    std::string name;
    std::string look;  // a picture in stars/
};

struct GeneratedPlanet {
    int star = 0;  // of its world's stars
    float radius = 0;
    float density = 0;
    float orbitRadius = 0;
    float orbitSpeed = 0;  // degrees per ms
    float orbitAngle = 0;  // degrees
    float spinRate = 0;
    float spinAngle = 0;
    std::string name;
    std::string look;  // a picture in planets/
};

// The way on: to the next world, coming out at that world's arrival point.
struct GeneratedWormhole {
    point position{0, 0};
    float captureRadius = 0;
    int destination = 0;
    point exit{0, 0};
};

struct GeneratedWorld {
    int number = 0;
    // Where the ship comes in: the way on from the world before, or the
    // start in the first world.
    point arrival{0, 0};
    std::vector<GeneratedStar> stars;
    std::vector<GeneratedPlanet> planets;
    GeneratedWormhole wayOn;
    // The world's block of campaign.txt; never final (the run goes on).
    WorldScript script;
};
