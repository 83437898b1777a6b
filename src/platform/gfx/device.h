// The drawing device: the interface the game draws through, with the semantics of the
// fixed-function device it was written for. Two backends implement it: gl/ (OpenGL 3.3,
// shown in the game window) and headless/ (no pixels; records every draw for tests).
//
// Objects are reference counted: Release returns the count left, and an object is destroyed
// when it reaches zero. Callers that "release until the count is zero" loop on it.
//
// What the platform left open, answered the same way by both backends:
// - SRCBLEND/DESTBLEND 14 is "the alpha of TEXTUREFACTOR" (a constant-alpha factor); any other
//   value the platform does not define keeps the factor in force, and reads back as set.
// - A stage without a texture reads opaque white; a pixel shader's unbound stage (0, 0, 0, 1).
// - Lit vertices with no light enabled: colour = emissive + AMBIENT x material ambient, alpha
//   from the material's (or the vertex's) diffuse. Pre-transformed vertices are never lit and
//   are white without a colour of their own.
// - Counter-clockwise faces on screen are culled by default; pixel centres sit on whole
//   coordinates; images, targets and the back buffer are top-down.
// - The frame is an 800x600 RGBA8 target with real alpha and a 16-bit depth buffer, shown
//   scaled to the window with 4:3 kept; Present waits for the display's refresh.
// - A texture sampled while its own level is the render target reads what it held before
//   the draw. Draws with a vertex shader and a fixed-function pixel stage work; a pixel
//   shader needs a vertex shader.
// - Only stream 0 exists, vertex positions are x, y, z with or without rhw, and draws run only
//   between BeginScene and EndScene. Index and vertex-buffer ranges are checked, never trusted.
// - The OpenGL device is never lost; the headless one can be told to be (headless_device.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gfx/gfx_types.h"
#include "platform/ref_counted.h"

namespace os {
class Window;
}

namespace gfx {

using Resource = platform::RefCounted;

// A 2D image: the back buffer, the depth surface, a render target's level 0, or a
// lockable image surface in system memory.
class Surface : public Resource {
public:
    virtual SurfaceDesc GetDesc() const = 0;
    // Lockable surfaces only (image surfaces): 32-bit A8R8G8B8 pixels, pitch in bytes.
    virtual Result LockRect(void** bits, int32_t* pitch) = 0;
    virtual Result UnlockRect() = 0;
};

class Texture : public Resource {
public:
    virtual uint32_t GetLevelCount() const = 0;
    // Zeroed description and kInvalidCall for a level that does not exist.
    virtual Result GetLevelDesc(uint32_t level, SurfaceDesc* desc) const = 0;
    // The surface has its own reference; the caller releases it.
    virtual Result GetSurfaceLevel(uint32_t level, Surface** surface) = 0;
    // Managed textures only: A8R8G8B8 pixels of the level, pitch in bytes.
    virtual Result LockRect(uint32_t level, void** bits, int32_t* pitch) = 0;
    virtual Result UnlockRect(uint32_t level) = 0;
};

class VertexBuffer : public Resource {
public:
    virtual uint32_t GetFvf() const = 0;
    virtual uint32_t GetLength() const = 0;
    // size 0 locks the whole buffer from offset.
    virtual Result Lock(uint32_t offset, uint32_t size, void** data, uint32_t flags) = 0;
    virtual Result Unlock() = 0;
};

struct PresentParams {
    uint32_t backBufferWidth = 0;
    uint32_t backBufferHeight = 0;
    Format backBufferFormat = kFormatUnknown;
    uint32_t backBufferCount = 0;
    os::Window* deviceWindow = nullptr;
    bool windowed = false;
    bool enableAutoDepthStencil = false;
    Format autoDepthStencilFormat = kFormatUnknown;
};

// The area of the render target drawn into; SetRenderTarget resets it to the whole target.
struct Viewport {
    uint32_t x = 0, y = 0, width = 0, height = 0;
    float minZ = 0, maxZ = 1;
};

struct DisplayMode {
    uint32_t width = 0, height = 0, refreshRate = 0;
    Format format = kFormatUnknown;
};

// What the device can do. Version words are 0xFFFF0101 for ps 1.1, 0xFFFE0101 for vs 1.1.
struct DeviceCaps {
    uint32_t devCaps = 0;
    uint32_t srcBlendCaps = 0;
    uint32_t fvfCaps = 0;
    uint32_t vertexShaderVersion = 0;
    uint32_t maxVertexShaderConst = 0;
    uint32_t pixelShaderVersion = 0;
};
constexpr uint32_t kDevCapsHwTransformAndLight = 0x10000;
constexpr uint32_t kFvfCapsPSize = 0x00100000;
constexpr uint32_t kCreateSoftwareVertexProcessing = 0x20;
constexpr uint32_t kCreateHardwareVertexProcessing = 0x40;

// Shader handles never collide with vertex formats: SetVertexShader takes either.
constexpr uint32_t kShaderHandleBit = 0x80000000u;

class Device : public Resource {
public:
    // kOk, kDeviceLost (draw nothing) or kDeviceNotReset (Reset may restore it).
    virtual Result TestCooperativeLevel() = 0;
    // Fails with kInvalidCall while textures of the default pool (render targets) are held.
    virtual Result Reset(const PresentParams& params) = 0;
    virtual DeviceCaps GetDeviceCaps() const = 0;

    // rects null clears the whole viewport; only the buffers named by flags are touched,
    // and a depth clear without a depth surface bound does nothing.
    virtual Result Clear(uint32_t rectCount, const Rect* rects, uint32_t flags, Color color, float z,
                         uint32_t stencil) = 0;
    virtual Result BeginScene() = 0;
    virtual Result EndScene() = 0;
    // Shows the whole back buffer in the window.
    virtual Result Present() = 0;

    // Each returns a new reference.
    virtual Result GetBackBuffer(Surface** surface) = 0;
    virtual Result GetDepthStencilSurface(Surface** surface) = 0;
    virtual Result GetRenderTarget(Surface** surface) = 0;

    virtual Result CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, Format format,
                                 Pool pool, Texture** texture) = 0;
    virtual Result CreateImageSurface(uint32_t width, uint32_t height, Format format, Surface** surface) = 0;
    // Raw copy of pixels (alpha included) from an image surface into a render target;
    // no blending, depth or scaling. Null rects copies the whole source to (0, 0).
    virtual Result CopyRects(Surface* source, const Rect* rects, uint32_t rectCount, Surface* dest,
                             const Point* points) = 0;
    // Makes the surface the render target and resets the viewport to its full size.
    // depth may be null: nothing is depth tested or written then. The device keeps no
    // reference: a target released while bound leaves no target, and draws do nothing.
    virtual Result SetRenderTarget(Surface* target, Surface* depth) = 0;
    virtual Viewport GetViewport() const = 0;

    virtual Result SetRenderState(RenderStateId state, uint32_t value) = 0;
    virtual uint32_t GetRenderState(RenderStateId state) const = 0;
    virtual Result SetTextureStageState(uint32_t stage, TextureStageStateId state, uint32_t value) = 0;
    virtual uint32_t GetTextureStageState(uint32_t stage, TextureStageStateId state) const = 0;
    // A stage without a texture reads opaque white. The device keeps no reference: a
    // texture released while bound is unbound.
    virtual Result SetTexture(uint32_t stage, Texture* texture) = 0;
    virtual Texture* GetTexture(uint32_t stage) const = 0;
    virtual Result SetMaterial(const Material& material) = 0;
    virtual Material GetMaterial() const = 0;
    // Lights are kept and lit as the platform lit them; with none enabled, lit colour is
    // emissive + ambient state x material ambient.
    virtual Result SetLight(uint32_t index, const Light& light) = 0;
    virtual Result GetLight(uint32_t index, Light* light) const = 0;
    virtual Result LightEnable(uint32_t index, bool enable) = 0;
    virtual bool IsLightEnabled(uint32_t index) const = 0;
    virtual Result SetTransform(TransformId which, const Matrix& matrix) = 0;
    virtual Result GetTransform(TransformId which, Matrix* matrix) const = 0;

    virtual Result CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, Pool pool,
                                      VertexBuffer** buffer) = 0;
    // Only stream 0 exists. As with textures, the device keeps no reference.
    virtual Result SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) = 0;
    // A vertex format (kFvf* bits) or a handle from CreateVertexShader.
    virtual Result SetVertexShader(uint32_t handleOrFvf) = 0;
    virtual uint32_t GetVertexShader() const = 0;
    virtual Result DrawPrimitive(PrimitiveType type, uint32_t startVertex, uint32_t primitiveCount) = 0;
    // Draws from memory, in the current vertex format.
    virtual Result DrawPrimitiveUP(PrimitiveType type, uint32_t primitiveCount, const void* vertices,
                                   uint32_t stride) = 0;
    virtual Result DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                          const uint32_t* indices, const void* vertices, uint32_t stride) = 0;
    // The same draw for indices none of which exceeds largestIndex, as the caller knows from when
    // it made them, so the device need not look through them again; kInvalidCall when
    // largestIndex is not below vertexCount.
    virtual Result DrawIndexedPrimitiveUPUpTo(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                              const uint32_t* indices, uint32_t largestIndex, const void* vertices,
                                              uint32_t stride)
    {
        (void)largestIndex;
        return DrawIndexedPrimitiveUP(type, vertexCount, primitiveCount, indices, vertices, stride);
    }

    // Shaders: declaration tokens and the function of an assembled program.
    virtual Result CreateVertexShader(const uint32_t* declaration, const void* function, size_t functionSize,
                                      uint32_t* handle) = 0;
    virtual Result CreatePixelShader(const void* function, size_t functionSize, uint32_t* handle) = 0;
    virtual Result DeleteVertexShader(uint32_t handle) = 0;
    virtual Result DeletePixelShader(uint32_t handle) = 0;
    // 0 selects the fixed-function pixel stage.
    virtual Result SetPixelShader(uint32_t handle) = 0;
    virtual uint32_t GetPixelShader() const = 0;
    // count is in four-float registers; constants persist until overwritten.
    virtual Result SetVertexShaderConstant(uint32_t reg, const float* data, uint32_t count) = 0;
    virtual Result SetPixelShaderConstant(uint32_t reg, const float* data, uint32_t count) = 0;

    // Clipping is always on; the status is kept and has no other effect.
    virtual Result SetClipStatus(uint32_t clipUnion, uint32_t clipIntersection) = 0;

    // The device cursor never carries an image; these keep the calls the game makes.
    virtual void ShowCursor(bool show) = 0;
    virtual void SetCursorPosition(int32_t x, int32_t y) = 0;
};

// The device factory, one per backend.
class System : public Resource {
public:
    virtual Result GetAdapterDisplayMode(uint32_t adapter, DisplayMode* mode) = 0;
    virtual Result GetDeviceCaps(uint32_t adapter, DeviceCaps* caps) = 0;
    virtual Result CreateDevice(uint32_t adapter, uint32_t behaviourFlags, const PresentParams& params,
                                Device** device) = 0;
};

enum class Backend { kOpenGl, kHeadless };

// A new system of that backend with one reference, or null when it cannot start.
System* CreateSystem(Backend backend);

}  // namespace gfx
