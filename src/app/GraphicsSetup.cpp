#include "app/GraphicsSetup.h"

#include <GL/glew.h>

#include <iostream>

#include "app/FrameState.h"
#include "assets/Font.h"
#include "assets/NamedImages.h"
#include "assets/Shaders.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Platform.h"
#include "world/Universe.h"

namespace {

// What an old context that survived the switch still holds; names a new
// context never made are skipped.
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
}

}  // namespace

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

void rebuildGraphics(Universe& universe, Font& font, const PictureArea& area) {
    releaseGraphics();
    prepareDrawing(area);
    loadTextures();
    reloadNamedImages();
    shaders = readShaders();
    relinkEmitters(universe);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    font = Font(fontFileName);
}

void switchWindowIfWanted(FrameState& state, Universe& universe, Font& font) {
    if (!state.window.switchWanted) return;
    state.window.switchWanted = false;
    // The world does not see the time the switch takes.
    Uint32 start = ticks();
    WindowMode& window = state.window;
    if (!window.toggle()) return;
    rebuildGraphics(universe, font, window.area);
    captureInput(!state.pause.paused && !state.menuShown);
    state.pause.redrawWanted = true;
    std::cout << (window.fullScreen ? "Full screen " : "Window ") << window.width << " x "
              << window.height << std::endl;
    addPausedTime(ticks() - start);
}
