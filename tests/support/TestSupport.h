#pragma once

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/EmitterData.h"
#include "assets/ShipLooks.h"
#include "assets/Tables.h"

// Saves every global table before each test and puts it back after: the
// weapon and ship rows with the ships' looks, the effect definitions, the
// shader programs and the texture slots. Every suite that fills or changes one derives from this, so
// no result depends on which test ran before.
class GlobalTablesTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    NumberTable weapons;
    NumberTable ships;
    std::vector<ShipLook> looks;
    EmitterTable effects;
    std::vector<GLuint> programs;
    std::vector<GLuint> slots;
};

// The lines of a loader's output that name a problem, without the progress
// lines ("Opening X", "Reading shader N", ...) that start-up always prints.
std::string problemLines(const std::string& output);

// Runs a test inside a fresh temporary directory, restoring the old one after.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string path;

private:
    std::string previous;
};

void writeFile(const std::string& name, const std::string& text);
// Copies a file from the game's data folder into the working directory.
void copyDataFile(const std::string& name);
std::string dataDir();

// The RGBA of a window pixel in the back buffer; origin bottom-left.
struct Rgba {
    int r, g, b, a;
};
Rgba readPixel(int x, int y);
// Sum of red+green+blue over a rectangle of the back buffer.
long brightness(int x, int y, int width, int height);
// The game's own perspective camera, centred on (x, y).
void useGameCamera(float x, float y, float viewHeight = 4000);
// Sets an orthographic pixel projection (origin bottom-left) and clears the frame.
void startPixelFrame();
// Saves the back buffer as a PNG-convertible PPM under the screenshot folder.
void saveFrame(const std::string& name);
// The same for a whole window of RGB pixels read from the bottom row up.
void savePixels(const std::string& name, const std::vector<unsigned char>& rgb);
