#pragma once

#include <GL/glew.h>

#include <vector>

#include "core/Box.h"
#include "core/point.h"

// Textured squares drawn in the order they were added, each run of one
// texture in a single draw: a crowd of small sprites then costs a draw call
// a texture rather than one each. Each square is the standard one (texture
// coordinates 0 to 1 from its bottom-left corner), turned about its centre.
// A bright square is lit up: a light grey is added to its texture's colour.
class SpriteBatch {
public:
    void add(GLuint texture, point centre, float half, float degrees, bool bright = false);
    // Draws what is waiting, leaving texture 0 bound as a sprite drawn alone does.
    void flush();
    // Whether a box of the world plane touches a square that is still waiting.
    bool overlapsWaiting(const Box& box) const;

    GLuint texture = 0;
    bool bright = false;
    // x, y, s, t of each corner, four corners a square.
    std::vector<float> corners;
    // Round each waiting square, turned any way, and round them all.
    std::vector<Box> boxes;
    Box all{0, 0, 0, 0};
};
