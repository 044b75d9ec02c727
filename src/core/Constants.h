#pragma once

// Shared tuning constants; internal linkage gives every module its own copy.
const int shipSpeed = 75;
const float GRAVITYMULTIPLIER = 0.000001f;
const float XBOUND = 100000.0f;  // half-width of every world's square
const float YBOUND = 100000.0f;
const int DEADZONE = 20;
const int maxWeapons = 3;
const float SIZEMULTIPLIER = 1.0f;

// Column numbers of a weapon row.
const int COOLDOWN = 0;
const int GUNSPEED = 1;
const int LIFETIME = 2;
const int DAMAGE = 3;

// Screen size in pixels.
const int w = 1280;
const int h = 1024;
