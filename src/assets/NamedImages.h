#pragma once

#include <GL/glew.h>

#include <string>

// Pictures the data names by file rather than by slot: planet and star
// looks, enemy sprites, the HUD's art. Each file is loaded once, however
// many rows name it; a file that cannot be loaded is named in one line and
// its users draw what they drew before (their slot's texture, or nothing).
//
// Registering needs no OpenGL; loading does, and is done again after the
// window mode makes a new context.
int registerImage(const std::string& file);
// Loads every registered image not yet loaded.
void loadNamedImages();
// Lets go of every image's texture (when the context they lived in may be
// gone), so the next load reads them all again.
void forgetNamedImages();
// The texture of a registered image; 0 when it failed to load or `index` is -1.
GLuint namedImage(int index);
// The texture of the image registered from `file`; 0 when none was, or it failed to load.
GLuint namedImageOf(const std::string& file);
// The texture of a registered image, or `fallback` when it has none.
GLuint namedImageOr(int index, GLuint fallback);
