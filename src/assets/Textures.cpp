#include "assets/Textures.h"

#include <SOIL/SOIL.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "assets/DataReport.h"

GLuint textures[textureCount];

namespace {

const unsigned spriteFlags = SOIL_FLAG_POWER_OF_TWO | SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y;
const unsigned plainFlags = SOIL_FLAG_INVERT_Y;
const int dustSlot = 9;

// Slots 0 to 18: the file, its flags and the name its error line shows.
struct SlotImage {
    const char* file;
    unsigned flags;
    const char* shownName;
};

const SlotImage slotImages[] = {
    {"player.png", spriteFlags, "player.png"},
    {"mouse.png", spriteFlags, "mouse.png"},
    {"enemy.png", spriteFlags, "enemy.png"},
    {"explosion.png", spriteFlags, "explosion.png"},
    {"laser.png", spriteFlags, "laser.png"},
    {"bulletDot.png", spriteFlags, "bulletDot.png"},
    {"fragment.png", spriteFlags, "fragment.png"},
    {"blast.png", spriteFlags, "blast.png"},
    {"shockwaveBullet.png", spriteFlags, "shockwaveBullet.png"},
    {"dust.png", spriteFlags, "dust.png"},
    {"mars.png", spriteFlags, "mars.png"},
    {"radar.png", spriteFlags, "radar.png"},
    {"enemyRadar.png", spriteFlags, "enemyRadar.png"},
    {"playerRadar.png", spriteFlags, "playerRadar.png"},
    {"bluestar.png", spriteFlags, "bluestar.png"},
    {"dotTriad.png", spriteFlags, "dotTriad.png"},
    {"diamondParticle.png", spriteFlags, "diamondParticle"},
    {"flame.tga", plainFlags, "flame.tga"},
    {"wormhole1.tga", plainFlags, "wormhole1.tga"},
};

// Stores the new texture name in the slot and binds it; 0 when loading failed.
GLuint loadSlot(int slot, const char* file, unsigned flags) {
    textures[slot] = SOIL_load_OGL_texture(file, SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID, flags);
    if (textures[slot] != 0) glBindTexture(GL_TEXTURE_2D, textures[slot]);
    return textures[slot];
}

void loadSpriteSlots() {
    for (int slot = 0; slot < static_cast<int>(sizeof slotImages / sizeof slotImages[0]); ++slot) {
        const SlotImage& image = slotImages[slot];
        if (loadSlot(slot, image.file, image.flags) == 0) {
            std::printf("SOIL loading error on %s: '%s'\n", image.shownName, SOIL_last_result());
            std::fflush(stdout);
            DataReport::noteProblem();
            continue;
        }
        // The background scrolls by shifting texture coordinates past 1.
        if (slot == dustSlot) {
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        }
    }
}

void loadPanelSlot(int slot, const std::string& file) {
    if (loadSlot(slot, file.c_str(), plainFlags) == 0) {
        std::cout << "SOIL loading error on " << file << ": " << SOIL_last_result() << std::endl;
        DataReport::noteProblem();
    }
}

}  // namespace

void loadTextures() {
    glEnable(GL_TEXTURE_2D);
    // SOIL hands over tightly packed rows; an RGB row need not fill 4 bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    loadSpriteSlots();
    loadPanelSlot(19, "map.png");
    loadPanelSlot(20, "whiteDot.png");
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    reportError();
    glBindTexture(GL_TEXTURE_2D, 0);
}

void reportError() {
    struct ErrorLine {
        GLenum code;
        const char* text;
    };
    static const ErrorLine errorLines[] = {
        {GL_INVALID_ENUM, "Invalid enumerated argument"},
        {GL_INVALID_VALUE, "invalid value"},
        {GL_INVALID_OPERATION, "Invalid operation"},
        {GL_STACK_OVERFLOW, "GL stack overflow"},
        {GL_STACK_UNDERFLOW, "gl stack underflow"},
        {GL_OUT_OF_MEMORY, "out of memory"},
    };
    GLenum error = glGetError();
    for (const ErrorLine& line : errorLines) {
        if (line.code == error) std::cout << line.text << std::endl;
    }
}
