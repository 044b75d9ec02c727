#pragma once

// The textured square every sprite uses: corners (-s,-s), (-s,s), (s,s), (s,-s)
// with texture coordinates (0,0), (0,1), (1,1), (1,0). Draws inside its own
// glBegin/glEnd; binding and transforms are the caller's.
void drawSquare(float s);
// The same corners and texture coordinates for the rectangle from (0, 0) to
// (width, height).
void drawRectangle(float width, float height);
