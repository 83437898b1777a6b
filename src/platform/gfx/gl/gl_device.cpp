// The OpenGL device: creation, targets, clears, copies and present.
#include "platform/gfx/gl/gl_device.h"

#include <algorithm>

#include <epoxy/gl.h>

#include "platform/gfx/gl/gl_context.h"
#include "platform/gfx/gl/gl_program.h"
#include "platform/gfx/gl/gl_state_cache.h"
#include "platform/gfx/gl/gl_stream_buffer.h"
#include "platform/gfx/gl/gl_texture.h"
#include "platform/os/window.h"

namespace gfx::gl {

namespace {

void UnpackColor(Color c, float* rgba)
{
    rgba[0] = ((c >> 16) & 0xFF) / 255.0f;
    rgba[1] = ((c >> 8) & 0xFF) / 255.0f;
    rgba[2] = (c & 0xFF) / 255.0f;
    rgba[3] = ((c >> 24) & 0xFF) / 255.0f;
}

}  // namespace

GlDevice::GlDevice(std::shared_ptr<GlContext> context, const PresentParams& params)
    : mContext(std::move(context)), mCache(std::make_unique<GlStateCache>())
{
    InitFrame(params);
}

GlDevice::~GlDevice()
{
    SDL_GL_MakeCurrent(mContext->window, mContext->context);
    if (mBackTexture)
        mBackTexture->Release();
    glDeleteRenderbuffers(1, &mDepthBuffer);
    glDeleteTextures(1, &mWhiteTexture);
    mVertexStream.reset();
    mIndexStream.reset();
    glDeleteTextures(1, &mFeedbackTexture);
    glDeleteVertexArrays(1, &mVertexArray);
    glDeleteSamplers(4, mSamplers);
    mPrograms.clear();
}

Result GlDevice::Create(const PresentParams& params, Device** device)
{
    if (!device)
        return kInvalidCall;
    *device = nullptr;
    if (!params.deviceWindow || !params.deviceWindow->NativeHandle() || params.backBufferWidth == 0 ||
        params.backBufferHeight == 0)
        return kInvalidCall;
    auto* window = static_cast<SDL_Window*>(params.deviceWindow->NativeHandle());
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context)
        return kNotAvailable;
    if (SDL_GL_MakeCurrent(window, context) != 0 || epoxy_gl_version() < 33) {
        SDL_GL_DeleteContext(context);
        return kNotAvailable;
    }
    SDL_GL_SetSwapInterval(1);
    auto shared = std::make_shared<GlContext>(window, context);
    auto* gl = new GlDevice(shared, params);
    if (!gl->Init()) {
        gl->Release();
        return kNotAvailable;
    }
    *device = gl;
    return kOk;
}

bool GlDevice::Init()
{
    GlProgram* fixed = ProgramFor(State().vertexShader, 0);
    if (!fixed)
        return false;
    const SurfaceDesc back = BackBuffer()->GetDesc();
    SurfaceDesc desc = back;
    desc.pool = kPoolDefault;
    mBackTexture = new GlTexture(desc, BindingsHandle(), mContext);
    glGenRenderbuffers(1, &mDepthBuffer);
    glBindRenderbuffer(GL_RENDERBUFFER, mDepthBuffer);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, static_cast<GLsizei>(back.width),
                          static_cast<GLsizei>(back.height));
    glBindFramebuffer(GL_FRAMEBUFFER, mBackTexture->FrameBuffer(mDepthBuffer));
    mContext->boundFramebuffer = mBackTexture->FrameBuffer(mDepthBuffer);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return false;

    const uint32_t white = 0xFFFFFFFFu;
    glGenTextures(1, &mWhiteTexture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mWhiteTexture);
    mContext->boundTexture = mWhiteTexture;
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_BGRA, GL_UNSIGNED_BYTE, &white);
    glGenSamplers(4, mSamplers);
    for (GLuint unit = 0; unit < 4; ++unit)
        glBindSampler(unit, mSamplers[unit]);
    glGenVertexArrays(1, &mVertexArray);
    glBindVertexArray(mVertexArray);
    // Sized for a frame's meshes and sprites; a draw larger than a buffer grows it.
    mVertexStream = std::make_unique<GlStreamBuffer>(GL_ARRAY_BUFFER, 4 << 20);
    mIndexStream = std::make_unique<GlStreamBuffer>(GL_ELEMENT_ARRAY_BUFFER, 1 << 20);
    UseProgram(fixed);
    fixed->Set1i(kUTexture, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // The frame starts black and opaque with the depth far.
    glClearColor(0, 0, 0, 1);
    glClearDepth(1.0);
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    return true;
}

Result GlDevice::Reset(const PresentParams& params)
{
    if (params.backBufferWidth != BackBuffer()->GetDesc().width ||
        params.backBufferHeight != BackBuffer()->GetDesc().height || !ResetAllowed())
        return kInvalidCall;
    ResetState();
    *mCache = GlStateCache{};
    return kOk;
}

Result GlDevice::Present()
{
    if (InScene())
        return kInvalidCall;
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(mContext->window, &width, &height);
    const SurfaceDesc back = BackBuffer()->GetDesc();
    const Rect shown = FrameRectInWindow(width, height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, mBackTexture->FrameBuffer(0));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    mContext->boundFramebuffer = GlStateCache::kUnknown;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 1);
    // The blit covers the frame's rectangle, so only the bars beside it are cleared.
    glEnable(GL_SCISSOR_TEST);
    const Rect bars[4] = {{0, 0, width, shown.top},
                          {0, shown.bottom, width, height},
                          {0, shown.top, shown.left, shown.bottom},
                          {shown.right, shown.top, width, shown.bottom}};
    for (const Rect& bar : bars) {
        if (bar.right <= bar.left || bar.bottom <= bar.top)
            continue;
        glScissor(bar.left, height - bar.bottom, bar.right - bar.left, bar.bottom - bar.top);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    // The frame's first row is its top, and GL's window rows count from the bottom: flip.
    glBlitFramebuffer(0, 0, static_cast<GLint>(back.width), static_cast<GLint>(back.height), shown.left,
                      height - shown.top, shown.right, height - shown.bottom, GL_COLOR_BUFFER_BIT, GL_LINEAR);
    SDL_GL_SwapWindow(mContext->window);
    return kOk;
}

void GlDevice::SetSwapInterval(int interval)
{
    SDL_GL_SetSwapInterval(interval);
}

std::vector<uint32_t> GlDevice::ReadPixels(Surface* target)
{
    GlTexture* texture = TextureOf(target);
    if (!texture)
        return {};
    const SurfaceDesc desc = texture->Desc();
    std::vector<uint32_t> pixels(static_cast<size_t>(desc.width) * desc.height);
    GLuint fbo = texture->FrameBuffer(0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    mContext->boundFramebuffer = fbo;
    glReadPixels(0, 0, static_cast<GLsizei>(desc.width), static_cast<GLsizei>(desc.height), GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

TextureImpl* GlDevice::NewTexture(const SurfaceDesc& desc)
{
    return new GlTexture(desc, BindingsHandle(), mContext);
}

GlTexture* GlDevice::TextureOf(Surface* target) const
{
    auto* surface = dynamic_cast<SurfaceImpl*>(target);
    if (!surface)
        return nullptr;
    if (surface == BackBuffer())
        return mBackTexture;
    if (surface->GetKind() == SurfaceImpl::Kind::kTextureLevel && surface->Owner()->IsRenderTarget())
        return static_cast<GlTexture*>(surface->Owner());
    return nullptr;
}

bool GlDevice::BindTarget()
{
    GlTexture* texture = TextureOf(Bound().renderTarget);
    if (!texture)
        return false;
    GLuint fbo = texture->FrameBuffer(Bound().depth ? mDepthBuffer : 0);
    if (mContext->boundFramebuffer != fbo) {
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        mContext->boundFramebuffer = fbo;
    }
    const Viewport v = GetViewport();
    if (mCache->viewportX != v.x || mCache->viewportY != v.y || mCache->viewportW != v.width ||
        mCache->viewportH != v.height) {
        glViewport(static_cast<GLint>(v.x), static_cast<GLint>(v.y), static_cast<GLsizei>(v.width),
                   static_cast<GLsizei>(v.height));
        mCache->viewportX = v.x;
        mCache->viewportY = v.y;
        mCache->viewportW = v.width;
        mCache->viewportH = v.height;
    }
    return true;
}

void GlDevice::ClearTarget(const Rect& rect, uint32_t flags, Color color, float z)
{
    if (!BindTarget())
        return;
    GLbitfield mask = 0;
    if (flags & kClearTarget) {
        float rgba[4];
        UnpackColor(color, rgba);
        glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & kClearZBuffer) {
        glClearDepth(z);
        glDepthMask(GL_TRUE);
        mCache->depthWrite = GlStateCache::kUnknown;
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (!mask)
        return;
    // Rows are kept top-down, so the rectangle needs no flip.
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    glClear(mask);
    glDisable(GL_SCISSOR_TEST);
}

void GlDevice::CopyToTarget(const uint32_t* pixels, uint32_t pitchPixels, const Rect& sourceRect, SurfaceImpl* dest,
                            const Point& destPoint)
{
    GlTexture* texture = TextureOf(dest);
    if (!texture)
        return;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture->Name());
    mContext->boundTexture = texture->Name();
    glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(pitchPixels));
    const uint32_t* first = pixels + static_cast<size_t>(sourceRect.top) * pitchPixels + sourceRect.left;
    glTexSubImage2D(GL_TEXTURE_2D, 0, destPoint.x, destPoint.y, sourceRect.right - sourceRect.left,
                    sourceRect.bottom - sourceRect.top, GL_BGRA, GL_UNSIGNED_BYTE, first);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

Rect FrameRectInWindow(int width, int height)
{
    int shownW = width, shownH = width * 3 / 4;
    if (shownH > height) {
        shownH = height;
        shownW = height * 4 / 3;
    }
    const int x = (width - shownW) / 2, y = (height - shownH) / 2;
    return Rect{x, y, x + shownW, y + shownH};
}

GlDevice* AsGl(Device* device)
{
    return dynamic_cast<GlDevice*>(device);
}

}  // namespace gfx::gl
