#include "assets/ShipLooks.h"

#include <SOIL/SOIL.h>

#include <algorithm>
#include <filesystem>

#include "assets/DataReport.h"
#include "assets/Textures.h"

std::vector<ShipLook> shipLooks;
GLuint enemyShotSprite = 0;
GLuint sparkSprite = 0;

namespace {

// As the slot images that are drawn as sprites.
const unsigned spriteFlags = SOIL_FLAG_POWER_OF_TWO | SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y;

struct Image {
    int width = 0;
    int height = 0;
    unsigned char* pixels = nullptr;  // RGBA
};

// The hue a sprite shows: its pixels weighed by how coloured and how opaque
// they are, so a grey hull with an amber rim gives amber, brightened until
// its strongest channel is full. Grey all over gives white.
void readColour(const Image& image, float colour[3]) {
    double sum[3] = {0, 0, 0};
    for (int i = 0; i < image.width * image.height; ++i) {
        const unsigned char* p = image.pixels + 4 * i;
        double weight = (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]})) * p[3];
        for (int c = 0; c < 3; ++c) sum[c] += weight * p[c];
    }
    double strongest = std::max({sum[0], sum[1], sum[2]});
    for (int c = 0; c < 3; ++c) colour[c] = strongest > 0 ? static_cast<float>(sum[c] / strongest) : 1.0f;
}

// The texture, and the image's colour when `colour` is given; 0 with SOIL's
// reason in `why` when the file cannot be read.
GLuint loadSprite(const std::string& file, float* colour, std::string& why) {
    Image image;
    int channels = 0;
    image.pixels = SOIL_load_image(file.c_str(), &image.width, &image.height, &channels, SOIL_LOAD_RGBA);
    if (image.pixels == nullptr) {
        why = SOIL_last_result();
        return 0;
    }
    if (colour != nullptr) readColour(image, colour);
    GLuint texture = SOIL_create_OGL_texture(image.pixels, image.width, image.height, SOIL_LOAD_RGBA,
                                             SOIL_CREATE_NEW_ID, spriteFlags);
    SOIL_free_image_data(image.pixels);
    if (texture == 0) why = SOIL_last_result();
    return texture;
}

void loadTypeSprites() {
    DataReport report("shipdata.txt");
    for (ShipLook& look : shipLooks) {
        if (look.spriteFile.empty()) continue;
        std::string why;
        look.sprite = loadSprite(look.spriteFile, look.colour, why);
        if (look.sprite == 0) {
            report.warn(look.line, "sprite " + look.spriteFile + " could not be loaded (" + why +
                                       "); this type looks like enemy.png");
        }
    }
}

GLuint loadHudSprite(const char* file, const char* without) {
    std::string why;
    GLuint texture = loadSprite(file, nullptr, why);
    if (texture == 0) DataReport(file).warn(0, "could not be loaded (" + why + "); " + without);
    return texture;
}

}  // namespace

const ShipLook& shipLook(int type) {
    static const ShipLook plain;
    if (type < 0 || static_cast<size_t>(type) >= shipLooks.size()) return plain;
    return shipLooks[static_cast<size_t>(type)];
}

GLuint shipSprite(int type) {
    GLuint sprite = shipLook(type).sprite;
    return sprite != 0 ? sprite : textures[enemyTexture];
}

void loadShipLooks() {
    loadTypeSprites();
    std::error_code error;
    if (std::filesystem::is_directory("hud", error)) {
        enemyShotSprite = loadHudSprite("hud/enemyShot.png", "enemy shots look like gun shots");
        sparkSprite = loadHudSprite("hud/spark.png", "hits throw no sparks");
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}
