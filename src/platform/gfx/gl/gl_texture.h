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

    GLuint Name() const { return mName; }
    // The frame buffer drawing into this texture, with or without the given depth buffer.
    GLuint FrameBuffer(GLuint depthBuffer);
    void PixelsChanged() override;

private:
    std::shared_ptr<GlContext> mContext;
    GLuint mName = 0;
    GLuint mPlainFbo = 0;
    GLuint mDepthFbo = 0;
};

}  // namespace gfx::gl
