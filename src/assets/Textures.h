#pragma once

#include <GL/glew.h>

// The texture slots, in the order of the image table in Textures.cpp. Stars
// and planets name theirs by number in the world files (mars 10, blue star
// 14, dot triad 15).
enum TextureSlot {
    playerTexture,
    cursorTexture,
    enemyTexture,
    explosionTexture,
    laserTexture,
    gunShotTexture,
    fragmentTexture,
    blastTexture,
    shockwaveShotTexture,
    dustTexture,
    marsTexture,
    radarTexture,
    enemyBlipTexture,
    playerBlipTexture,
    blueStarTexture,
    dotTriadTexture,
    diamondParticleTexture,
    flameTexture,
    wormholeTexture,
    mapTexture,
    whiteDotTexture,
    textureCount
};

// Texture names by slot; 0 where the image failed to load.
extern GLuint textures[textureCount];

void loadTextures();
// Prints a line for the first pending OpenGL error, if any.
void reportError();
