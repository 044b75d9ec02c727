#pragma once

#include <string>
#include <vector>

#include "ui/Text.h"

class Font;

// The text of a frame's HUD, gathered and drawn at once over what was drawn
// before it: each text laid out glyph by glyph as drawText (ui/Text.h) lays
// it, in its colour, with the glyphs of one atlas texture.
class TextBatch {
public:
    explicit TextBatch(Font& font);

    void add(const std::string& text, float x, float y, float scale, Colour colour, Align align = Align::left);
    // Draws what was added, on the layout projection, and empties the batch.
    void draw();

    // Measures the text.
    Font& font;
    // x, y, s, t of each corner, and its colour; four corners a glyph.
    std::vector<float> corners;
    std::vector<float> tints;
};

// The atlas belongs to one OpenGL context: after a new one is made it is
// built again when next drawn.
void forgetGlyphAtlas();
