#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

#include "core/point.h"
#include "ui/Text.h"

class Font;

// Shapes of the HUD on the layout (ui/Text.h's projection), in a colour.

// A picture turned by `degrees` about its centre and tinted; a picture that
// is not loaded (0) gives a plain square.
void drawIcon(GLuint texture, point centre, float half, float degrees, Colour colour);
void drawCircle(point centre, float radius, Colour colour);
void drawLine(point from, point to, Colour colour, bool dashed = false);
void drawOutline(float x, float y, float width, float height, Colour colour);
// Square dots of `size` pixels.
void drawDots(const std::vector<point>& dots, float size, Colour colour);
// The text's scale, shrunk where the text would run past `width`.
float fittingScale(Font& font, const std::string& text, float scale, float width);
// A colour with its opacity multiplied by `share`.
Colour faded(Colour colour, float share);
// "850", "8.4k", "12k": a distance in game units, short.
std::string distanceText(float units);
