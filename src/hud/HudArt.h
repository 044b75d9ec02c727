#pragma once

#include <GL/glew.h>

// The HUD's pictures in hud/: the weapon icons, the edge marker, the map
// symbols and the glow under the player's shots.
enum class HudImage {
    gunIcon,
    laserIcon,
    shockwaveIcon,
    marker,
    mapStar,
    mapPlanet,
    mapWormhole,
    mapPlayer,
    shotGlow,
    count  // not a picture: how many there are
};

// Names the pictures for start-up to load, when the data set has a hud/
// folder; without one nothing is said and the HUD draws plain shapes.
void registerHudArt();
// The texture of a picture; 0 when it is not loaded.
GLuint hudImage(HudImage image);
