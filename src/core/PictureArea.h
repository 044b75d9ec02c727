#pragma once

// The part of the window the picture fills, in window pixels counted from
// the bottom-left corner, as OpenGL counts them.
struct PictureArea {
    int x;
    int y;
    int width;
    int height;
};
