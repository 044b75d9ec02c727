#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "core/Box.h"
#include "core/point.h"

class Font;
struct PictureArea;

// A colour with its opacity, each from 0 to 1.
struct Colour {
    float r;
    float g;
    float b;
    float a = 1;
};

namespace colours {
const Colour white{1, 1, 1};
const Colour grey{0.6f, 0.62f, 0.68f};
const Colour dim{0.38f, 0.4f, 0.45f};
const Colour highlight{1, 0.82f, 0.3f};
const Colour warning{1, 0.35f, 0.3f};
const Colour calm{0.55f, 0.85f, 1};
}  // namespace colours

enum class Align { left, centre, right };

// Screen text and shapes are laid out on the 1280 x 1024 picture, origin at
// the bottom-left corner; this sets that projection for what follows.
void useLayoutProjection();
// Text in a colour (the glyphs alone are white); x is where the text starts,
// is centred or ends, by `align`; y is its baseline.
void drawText(Font& font, const std::string& text, float x, float y, float scale, Colour colour,
              Align align = Align::left);
// Where the glyphs of a text drawn so would lie: from the lowest descender to
// the highest stroke; an empty box at the pen for a text with no ink.
Box textBox(const std::string& text, float x, float y, float scale, Align align = Align::left);

// A text drawn on the layout and the box of its glyphs.
struct DrawnText {
    std::string words;
    Box box;
};
// While a list is given, every text the menus and the HUD draw is added to
// it (a test reads where each went); null stops the recording.
void recordDrawnText(std::vector<DrawnText>* record);
void noteDrawnText(const std::string& words, const Box& box);

// A flat rectangle, from (x, y) at its bottom-left corner.
void drawPanel(float x, float y, float width, float height, Colour colour);
// A picture in its own colours, upright, `half` pixels either way of its centre.
void drawPicture(unsigned texture, point centre, float half);
// The text with its first letter in capitals.
std::string capitalised(std::string text);
// A window pixel of a mouse event (origin top-left) on the layout.
point layoutPoint(int windowX, int windowY, const PictureArea& area, int windowHeight);
