#include "desktop/OffscreenGl.h"

#include <GL/glew.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

bool openOffscreenContext() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), attributes, &count);
    if (!configs || count == 0) return false;
    const int size[] = {GLX_PBUFFER_WIDTH, 16, GLX_PBUFFER_HEIGHT, 16, None};
    GLXPbuffer buffer = glXCreatePbuffer(display, configs[0], size);
    GLXContext context = glXCreateNewContext(display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    return context && glXMakeContextCurrent(display, buffer, buffer, context) && glewInit() == GLEW_OK;
}
