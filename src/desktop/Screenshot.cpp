#include "desktop/Screenshot.h"

#include <GL/glew.h>
#include <png.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <system_error>

#include "core/WriteFolder.h"

namespace {

const int mostShots = 1000000;

std::string shotName(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "rerara-%04d.png", number);
    return name;
}

std::vector<unsigned char> readPicture(const PictureArea& area) {
    std::vector<unsigned char> rgb(static_cast<size_t>(area.width) * area.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(area.x, area.y, area.width, area.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

void reportFailure(const std::filesystem::path& path, const std::string& why) {
    std::cout << "Screenshot not saved: cannot write " << path.string() << ": " << why << std::endl;
}

}  // namespace

std::filesystem::path screenshotFolder() { return writeFolder() / "screenshots"; }

bool writePng(std::FILE* file, int width, int height, const std::vector<unsigned char>& rgb) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    // A screenshot should not stall the game: speed over size.
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int row = height - 1; row >= 0; --row) {
        png_write_row(png, &rgb[static_cast<size_t>(row) * width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

std::filesystem::path saveScreenshot(const PictureArea& area) {
    std::filesystem::path folder = screenshotFolder();
    std::string why;
    if (!makeFolders(folder, why).empty()) {
        reportFailure(folder, why);
        return {};
    }
    std::vector<unsigned char> rgb = readPicture(area);
    for (int number = 1; number < mostShots; ++number) {
        std::filesystem::path path = folder / shotName(number);
        // "x": never overwrite a shot, even one made since the last look.
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (!file && errno == EEXIST) continue;
        if (!file) {
            reportFailure(path, std::strerror(errno));
            return {};
        }
        giveToFolderOwner(path);
        bool written = writePng(file, area.width, area.height, rgb);
        if (std::fclose(file) != 0 || !written) {
            reportFailure(path, "the PNG could not be written");
            std::error_code error;
            std::filesystem::remove(path, error);
            return {};
        }
        std::error_code error;
        std::cout << "Screenshot saved: " << std::filesystem::absolute(path, error).string()
                  << std::endl;
        return path;
    }
    reportFailure(folder, "no free number left");
    return {};
}
