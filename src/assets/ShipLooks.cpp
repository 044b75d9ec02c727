#include "assets/ShipLooks.h"

#include <SOIL/SOIL.h>

#include <algorithm>
#include <filesystem>

#include "assets/ImageFile.h"
#include "assets/NamedImages.h"
#include "assets/Textures.h"

std::vector<ShipLook> shipLooks;
int enemyShotImage = -1;
int sparkImage = -1;
int playerShotImage = -1;
int playerBeamImage = -1;

namespace {

// The hue a sprite shows: its pixels weighed by how coloured and how opaque
// they are, so a grey hull with an amber rim gives amber, brightened until
// its strongest channel is full. Grey all over gives white. A file that
// cannot be read keeps the colour it had; the named images say so.
void readColour(const std::string& file, float colour[3]) {
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels = imageFileProblem(file).empty()
                                ? SOIL_load_image(file.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA)
                                : nullptr;
    if (pixels == nullptr) return;
    double sum[3] = {0, 0, 0};
    for (int i = 0; i < width * height; ++i) {
        const unsigned char* p = pixels + 4 * i;
        double weight = (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]})) * p[3];
        for (int c = 0; c < 3; ++c) sum[c] += weight * p[c];
    }
    SOIL_free_image_data(pixels);
    double strongest = std::max({sum[0], sum[1], sum[2]});
    for (int c = 0; c < 3; ++c) colour[c] = strongest > 0 ? static_cast<float>(sum[c] / strongest) : 1.0f;
}

}  // namespace

const ShipLook& shipLook(int type) {
    static const ShipLook plain;
    if (type < 0 || static_cast<size_t>(type) >= shipLooks.size()) return plain;
    return shipLooks[static_cast<size_t>(type)];
}

GLuint shipSprite(int type) {
    return namedImageOr(shipLook(type).image, textures[enemyTexture]);
}

GLuint enemyShotSprite() { return namedImage(enemyShotImage); }

GLuint sparkSprite() { return namedImage(sparkImage); }

GLuint playerShotSprite() { return namedImage(playerShotImage); }

GLuint playerBeamSprite() { return namedImage(playerBeamImage); }

void registerShipLooks() {
    for (ShipLook& look : shipLooks) {
        if (look.spriteFile.empty()) continue;
        look.image = registerImage(look.spriteFile);
        readColour(look.spriteFile, look.colour);
    }
    std::error_code error;
    if (std::filesystem::is_directory("hud", error)) {
        enemyShotImage = registerImage("hud/enemyShot.png");
        sparkImage = registerImage("hud/spark.png");
        playerShotImage = registerImage("hud/playerShot.png");
        playerBeamImage = registerImage("hud/playerBeam.png");
    }
}
