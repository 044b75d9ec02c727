#include "assets/Textures.h"

#include <SOIL/SOIL.h>

#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>

#include "assets/DataReport.h"
#include "assets/ImageFile.h"

GLuint textures[textureCount];

namespace {

const unsigned spriteFlags = SOIL_FLAG_POWER_OF_TWO | SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y;
const unsigned plainFlags = SOIL_FLAG_INVERT_Y;

// Each slot's file, its flags and the name its error line shows. The two
// panels' error lines have never quoted SOIL's reason.
struct SlotImage {
    const char* file;
    unsigned flags;
    const char* shownName;
    bool quoted;
};

const SlotImage slotImages[] = {
    {"player.png", spriteFlags, "player.png", true},
    {"mouse.png", spriteFlags, "mouse.png", true},
    {"enemy.png", spriteFlags, "enemy.png", true},
    {"explosion.png", spriteFlags, "explosion.png", true},
    {"laser.png", spriteFlags, "laser.png", true},
    {"bulletDot.png", spriteFlags, "bulletDot.png", true},
    {"fragment.png", spriteFlags, "fragment.png", true},
    {"blast.png", spriteFlags, "blast.png", true},
    {"shockwaveBullet.png", spriteFlags, "shockwaveBullet.png", true},
    {"dust.png", spriteFlags, "dust.png", true},
    {"mars.png", spriteFlags, "mars.png", true},
    {"radar.png", spriteFlags, "radar.png", true},
    {"enemyRadar.png", spriteFlags, "enemyRadar.png", true},
    {"playerRadar.png", spriteFlags, "playerRadar.png", true},
    {"bluestar.png", spriteFlags, "bluestar.png", true},
    {"dotTriad.png", spriteFlags, "dotTriad.png", true},
    {"diamondParticle.png", spriteFlags, "diamondParticle", true},
    {"flame.tga", plainFlags, "flame.tga", true},
    {"wormhole1.tga", plainFlags, "wormhole1.tga", true},
    {"map.png", plainFlags, "map.png", false},
    {"whiteDot.png", plainFlags, "whiteDot.png", false},
};
static_assert(std::size(slotImages) == textureCount, "one image for each texture slot");

// Stores the new texture name in the slot and binds it; 0, with the reason,
// when loading failed. A missing file is left to SOIL, which has always named it.
GLuint loadSlot(int slot, const SlotImage& image, std::string& reason) {
    reason = imageFileProblem(image.file);
    if (!reason.empty() && reason != missingFile) return textures[slot] = 0;
    textures[slot] = SOIL_load_OGL_texture(image.file, SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID, image.flags);
    if (textures[slot] != 0) glBindTexture(GL_TEXTURE_2D, textures[slot]);
    reason = SOIL_last_result();
    return textures[slot];
}

void loadSlots() {
    for (int slot = 0; slot < textureCount; ++slot) {
        const SlotImage& image = slotImages[slot];
        std::string reason;
        if (loadSlot(slot, image, reason) == 0) {
            const char* quote = image.quoted ? "'" : "";
            std::printf("SOIL loading error on %s: %s%s%s\n", image.shownName, quote, reason.c_str(), quote);
            std::fflush(stdout);
            DataReport::noteProblem();
            continue;
        }
        // The background scrolls by shifting texture coordinates past 1.
        if (slot == dustTexture) {
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
        }
    }
}

}  // namespace

void loadTextures() {
    glEnable(GL_TEXTURE_2D);
    // SOIL hands over tightly packed rows; an RGB row need not fill 4 bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    loadSlots();
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
