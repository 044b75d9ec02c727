#pragma once

#include <string>
#include <vector>

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
