#pragma once

// Makes an OpenGL context current on a small off-screen buffer of the X
// display, with GLEW ready, so GL loaders run without opening a window.
// False when there is no display or it offers no such buffer.
bool openOffscreenContext();
