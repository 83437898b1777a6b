// The GL context of a device, shared by the device and every GL object it made so that no
// object outlives the context its names belong to.
#pragma once

#include <SDL.h>

namespace gfx::gl {

struct GlContext {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    // The texture of unit 0 and the frame buffer bound now, kept by whoever binds them so
    // that binding the same again costs nothing.
    unsigned int boundTexture = 0;
    unsigned int boundFramebuffer = 0;

    GlContext(SDL_Window* w, SDL_GLContext c) : window(w), context(c) {}
    ~GlContext() { SDL_GL_DeleteContext(context); }
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;
};

}  // namespace gfx::gl
