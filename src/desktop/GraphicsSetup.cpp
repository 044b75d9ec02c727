#include "desktop/GraphicsSetup.h"

#include <GL/glew.h>

#include "assets/Font.h"
#include "assets/NamedImages.h"
#include "assets/Shaders.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "hud/TextBatch.h"
#include "world/Universe.h"

void relinkEmitters(Universe& universe) {
    if (universe.player) universe.player->exhaust.linkUniforms();
    for (WorldState& world : universe.worlds) {
        for (Wormhole& wormhole : world.wormholes) wormhole.effect.linkUniforms();
    }
}

void prepareDrawing(const PictureArea& area) {
    glViewport(area.x, area.y, area.width, area.height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
}

// Names a new context never made are skipped.
void releaseGraphics() {
    for (GLuint& texture : textures) {
        if (glIsTexture(texture)) glDeleteTextures(1, &texture);
    }
    for (GLuint& texture : letterTextures) {
        if (glIsTexture(texture)) glDeleteTextures(1, &texture);
    }
    for (GLuint program : shaders) {
        if (glIsProgram(program)) glDeleteProgram(program);
    }
    forgetNamedImages();
    forgetGlyphAtlas();
}
