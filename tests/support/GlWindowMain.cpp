// Every test program runs inside the real 1280 x 1024 OpenGL window.
#include <GL/glew.h>
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "core/Constants.h"
#include "core/Platform.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (initWindowingLibrary(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) {
        std::fprintf(stderr, "SDL init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(w, h, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "Unable to open the test window: %s\n", SDL_GetError());
        return 1;
    }
    if (glewInit() != GLEW_OK) {
        std::fprintf(stderr, "GLEW failed to initialise\n");
        return 1;
    }
    glViewport(0, 0, w, h);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    int result = RUN_ALL_TESTS();
    SDL_Quit();
    return result;
}
