// A texture of the OpenGL backend: RGBA8 storage, rows top-down, with the frame buffers that
// draw into it when it is a render target.
#pragma once

#include <memory>

#include <epoxy/gl.h>

#include "platform/gfx/gl/gl_context.h"
#include "platform/gfx/resources.h"

namespace gfx::gl {

class GlTexture final : public TextureImpl {
public:
    GlTexture(const SurfaceDesc& desc, std::weak_ptr<Bindings> bindings, std::shared_ptr<GlContext> context);
    ~GlTexture() override;

    // The GL name; a texture with a memory copy never filled yet gets its (zero) pixels first.
    GLuint Name();
    // The frame buffer drawing into this texture, with or without the given depth buffer.
    GLuint FrameBuffer(GLuint depthBuffer);
    void PixelsChanged() override;

private:
    // Sends the memory copy; leaves the texture bound on unit 0.
    void Upload();

    std::shared_ptr<GlContext> mContext;
    bool mUnfilled = false;
    GLuint mName = 0;
    GLuint mPlainFbo = 0;
    GLuint mDepthFbo = 0;
};

}  // namespace gfx::gl
