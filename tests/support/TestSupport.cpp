#include "TestSupport.h"

#include <GL/glew.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "app/FrameLoop.h"
#include "app/FrameState.h"
#include "assets/Shaders.h"
#include "assets/Textures.h"
#include "core/Constants.h"

void GlobalTablesTest::SetUp() {
    weapons = WEAPONDATA;
    ships = SHIPDATA;
    looks = shipLooks;
    effects = emitters;
    programs = shaders;
    slots.assign(std::begin(textures), std::end(textures));
}

void GlobalTablesTest::TearDown() {
    WEAPONDATA = weapons;
    SHIPDATA = ships;
    shipLooks = looks;
    emitters = effects;
    shaders = programs;
    std::copy(slots.begin(), slots.end(), std::begin(textures));
}

std::string problemLines(const std::string& output) {
    static const char* const progress[] = {"loading ", "Opening ", "Processing ", "# emitters:", "File '",
                                           "Reading shader ", "Shaders read: ", "Loading ", "Adding ",
                                           "Now loading wormholes", "Emitter construct", "shader size: "};
    std::istringstream lines(output);
    std::string problems;
    for (std::string line; std::getline(lines, line);) {
        bool isProgress = false;
        for (const char* start : progress) {
            isProgress = isProgress || line.rfind(start, 0) == 0;
        }
        if (!isProgress) problems += line + "\n";
    }
    return problems;
}

ScratchDir::ScratchDir() {
    previous = std::filesystem::current_path().string();
    std::string pattern = (std::filesystem::temp_directory_path() / "rerara-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    path = mkdtemp(buffer.data());
    std::filesystem::current_path(path);
}

ScratchDir::~ScratchDir() {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(path);
}

void writeFile(const std::string& name, const std::string& text) {
    std::ofstream out(name, std::ios::binary);
    out << text;
}

std::string dataDir() {
    const char* dir = std::getenv("RERARA_DATA");
    return dir ? dir : RERARA_SOURCE_DIR "/data";
}

void copyDataFile(const std::string& name) {
    std::filesystem::copy_file(dataDir() + "/" + name, name,
                               std::filesystem::copy_options::overwrite_existing);
}

Rgba readPixel(int x, int y) {
    unsigned char pixel[4] = {0, 0, 0, 0};
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    return Rgba{pixel[0], pixel[1], pixel[2], pixel[3]};
}

long brightness(int x, int y, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    long sum = 0;
    for (size_t i = 0; i < pixels.size(); i += 4) {
        sum += pixels[i] + pixels[i + 1] + pixels[i + 2];
    }
    return sum;
}

void useGameCamera(float x, float y, float viewHeight) {
    FrameState state;
    state.camera.viewHeight = viewHeight;
    setCamera(state.camera, point{x, y});
}

void startPixelFrame() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

void savePixels(const std::string& name, const std::vector<unsigned char>& rgb) {
    const char* dir = std::getenv("RERARA_SHOTS");
    std::filesystem::path folder = dir ? dir : RERARA_BINARY_DIR "/screenshots";
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / (name + ".ppm"), std::ios::binary);
    out << "P6\n" << w << " " << h << "\n255\n";
    for (int row = h - 1; row >= 0; --row) {
        out.write(reinterpret_cast<const char*>(&rgb[static_cast<size_t>(row) * w * 3]), w * 3);
    }
}

void saveFrame(const std::string& name) {
    std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    savePixels(name, pixels);
}
