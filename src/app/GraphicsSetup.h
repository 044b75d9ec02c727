#pragma once

#include "app/WindowMode.h"

class FrameState;
class Font;
class Universe;

// The one font file the game reads.
const char* const fontFileName = "subatomic.tsoonami.ttf";

// Finds the uniforms of the universe's effects (and its ship's flame) in the
// programs as they are now built.
void relinkEmitters(Universe& universe);
// The viewport on the picture area, a black clear colour, additive blending.
void prepareDrawing(const PictureArea& area);
// After the video mode was set again: the windowing library may have made a
// new GL context, so the textures, the programs (with the emitters' uniforms
// in them) and the glyphs are made again, and the frame looks as before.
void rebuildGraphics(Universe& universe, Font& font, const PictureArea& area);
// F11, once a frame is shown: the other mode, with the input left as the
// pause state wants it.
void switchWindowIfWanted(FrameState& state, Universe& universe, Font& font);
