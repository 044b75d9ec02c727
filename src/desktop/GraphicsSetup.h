#pragma once

#include "core/PictureArea.h"

class Universe;

// Finds the uniforms of the universe's effects (and its ship's flame) in the
// programs as they are now built.
void relinkEmitters(Universe& universe);
// The viewport on the picture area, a black clear colour, additive blending.
void prepareDrawing(const PictureArea& area);
// After the video mode was set again the windowing library may have made a
// new GL context: what an old context that survived still holds is let go,
// before start-up's graphics are made again.
void releaseGraphics();
