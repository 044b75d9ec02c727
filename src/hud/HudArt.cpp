#include "hud/HudArt.h"

#include <array>
#include <filesystem>
#include <iterator>

#include "assets/NamedImages.h"

namespace {
// Same order as HudImage.
const char* const files[] = {"hud/icon-gun.png",   "hud/icon-laser.png",  "hud/icon-shockwave.png",
                             "hud/marker.png",     "hud/map-star.png",    "hud/map-planet.png",
                             "hud/map-wormhole.png", "hud/map-player.png", "hud/shotGlow.png"};
static_assert(std::size(files) == static_cast<size_t>(HudImage::count), "one file for each picture");

// -1 names no picture: every one until registered, however many there are.
std::array<int, std::size(files)> registered = [] {
    std::array<int, std::size(files)> none{};
    none.fill(-1);
    return none;
}();
}  // namespace

void registerHudArt() {
    std::error_code error;
    if (!std::filesystem::is_directory("hud", error)) return;
    for (size_t i = 0; i < std::size(files); ++i) registered[i] = registerImage(files[i]);
}

GLuint hudImage(HudImage image) { return namedImage(registered[static_cast<size_t>(image)]); }
