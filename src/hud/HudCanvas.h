#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

#include "core/Box.h"
#include "core/point.h"
#include "hud/TextBatch.h"
#include "ui/Text.h"

class Font;

// The HUD of one frame, gathered on the layout and drawn at once, a few draw
// calls in all: the flat shapes first, then the lines, the pictures and the
// text, each kind in the order it was given.
class HudCanvas {
public:
    explicit HudCanvas(Font& font);

    // A flat rectangle from (x, y), its bottom-left corner.
    void panel(float x, float y, float width, float height, Colour colour);
    // A square of `size` pixels round a point.
    void dot(point centre, float size, Colour colour);
    void outline(float x, float y, float width, float height, Colour colour);
    void line(point from, point to, Colour colour, bool dashed = false);
    void circle(point centre, float radius, Colour colour);
    // A picture turned by `degrees` about its centre and tinted; one that is
    // not loaded (0) gives a plain square.
    void icon(GLuint texture, point centre, float half, float degrees, Colour colour);
    void text(const std::string& words, float x, float y, float scale, Colour colour, Align align = Align::left);
    float textWidth(const std::string& words, float scale) const;
    // Where the glyphs of a text given so would lie.
    Box textBox(const std::string& words, float x, float y, float scale, Align align = Align::left) const;
    // The text's scale, shrunk where the text would run past `width`.
    float fitting(const std::string& words, float scale, float width) const;
    // Draws all that was given, with alpha blending, and empties the canvas.
    void draw();

private:
    struct Pictures {
        GLuint texture;
        std::vector<float> corners;  // x, y, s, t
        std::vector<float> tints;
    };
    void addCorner(std::vector<float>& corners, std::vector<float>& tints, point at, Colour colour);

    std::vector<float> flatCorners;  // x, y
    std::vector<float> flatTints;    // r, g, b, a
    std::vector<float> lineEnds;
    std::vector<float> lineTints;
    std::vector<Pictures> pictures;
    TextBatch texts;
};
