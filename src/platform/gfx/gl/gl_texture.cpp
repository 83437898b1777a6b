// GL textures and their frame buffers.
#include "platform/gfx/gl/gl_texture.h"

namespace gfx::gl {

GlTexture::GlTexture(const SurfaceDesc& desc, std::weak_ptr<Bindings> bindings, std::shared_ptr<GlContext> context)
    : TextureImpl(desc, std::move(bindings)), mContext(std::move(context))
{
    glGenTextures(1, &mName);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mName);
    mContext->boundTexture = mName;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    // Storage only: a texture with a memory copy is uploaded once, when it is filled or first used.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(desc.width), static_cast<GLsizei>(desc.height), 0,
                 GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    mUnfilled = Pixels() != nullptr;
    if (IsRenderTarget()) {
        // Targets start cleared, not with whatever the driver left in the memory.
        GLuint fbo = FrameBuffer(0);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        mContext->boundFramebuffer = fbo;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }
}

GlTexture::~GlTexture()
{
    GLuint fbos[2] = {mPlainFbo, mDepthFbo};
    glDeleteFramebuffers(2, fbos);
    glDeleteTextures(1, &mName);
    // Deleting bound names unbinds them.
    if (mContext->boundTexture == mName)
        mContext->boundTexture = 0;
    if (mContext->boundFramebuffer == mPlainFbo || mContext->boundFramebuffer == mDepthFbo)
        mContext->boundFramebuffer = 0;
}

GLuint GlTexture::FrameBuffer(GLuint depthBuffer)
{
    GLuint& slot = depthBuffer ? mDepthFbo : mPlainFbo;
    if (!slot) {
        glGenFramebuffers(1, &slot);
        glBindFramebuffer(GL_FRAMEBUFFER, slot);
        mContext->boundFramebuffer = slot;
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, mName, 0);
        if (depthBuffer)
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    }
    return slot;
}

GLuint GlTexture::Name()
{
    if (mUnfilled) {
        // Used before it was ever filled: transparent black, as its memory copy. Unit 0 keeps
        // what it had bound.
        Upload();
        glBindTexture(GL_TEXTURE_2D, mContext->boundTexture);
    }
    return mName;
}

void GlTexture::PixelsChanged()
{
    if (!Pixels())
        return;
    Upload();
    mContext->boundTexture = mName;
}

void GlTexture::Upload()
{
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mName);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, static_cast<GLsizei>(Desc().width), static_cast<GLsizei>(Desc().height),
                    GL_BGRA, GL_UNSIGNED_BYTE, Pixels()->data());
    mUnfilled = false;
}

}  // namespace gfx::gl
