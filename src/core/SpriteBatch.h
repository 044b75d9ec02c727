#pragma once

#include <GL/glew.h>

#include <vector>

#include "core/Box.h"
#include "core/point.h"

// Textured squares drawn in the order they were added, each run of one
// texture in a single draw: a crowd of small sprites then costs a draw call
// a texture rather than one each. Each square is the standard one (texture
// coordinates 0 to 1 from its bottom-left corner), turned about its centre.
// How a square's texture is coloured: by the current colour, as it always
// was; in the texture's own colours; or lit up, a light grey added to them.
enum class SpriteTint { current, own, bright };

class SpriteBatch {
public:
    void add(GLuint texture, point centre, float half, float degrees, SpriteTint tint = SpriteTint::current);
    // Draws what is waiting, leaving texture 0 bound as a sprite drawn alone does.
    void flush();
    // Whether a box of the world plane touches a square that is still waiting.
    bool overlapsWaiting(const Box& box) const;
    // Whether a square of this texture and tint would have what waits drawn first.
    bool endsRun(GLuint texture, SpriteTint tint) const;

    GLuint texture = 0;
    SpriteTint tint = SpriteTint::current;
    // x, y, s, t of each corner, four corners a square.
    std::vector<float> corners;
    // Round each waiting square, turned any way, and round them all.
    std::vector<Box> boxes;
    Box all{0, 0, 0, 0};
};
