// The part of a device both backends share: it keeps every state, checks every call and hands
// the backend only what needs pixels (targets, clears, copies, draws, present).
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gfx/device.h"
#include "platform/gfx/device_state.h"
#include "platform/gfx/resources.h"

namespace gfx {

// A draw as the backend receives it: vertices in memory, already checked against their buffer.
struct DrawCall {
    PrimitiveType type = kPrimTriangleList;
    uint32_t primitiveCount = 0;
    uint32_t vertexCount = 0;  // vertices read (with indices: the vertices they may address)
    const uint8_t* vertices = nullptr;
    uint32_t stride = 0;
    const uint32_t* indices = nullptr;  // null: vertices in order
    uint32_t indexCount = 0;
    bool fromStream = false;  // DrawPrimitive from the stream source
};

// What CreateVertexShader and CreatePixelShader were given.
struct ShaderRecord {
    std::vector<uint32_t> declaration;  // vertex shaders only, up to and with the end token
    std::vector<uint8_t> function;
};

class DeviceBase : public Device {
public:
    ~DeviceBase() override;

    DeviceCaps GetDeviceCaps() const override;
    Result Clear(uint32_t rectCount, const Rect* rects, uint32_t flags, Color color, float z,
                 uint32_t stencil) override;
    Result BeginScene() override;
    Result EndScene() override;

    Result GetBackBuffer(Surface** surface) override;
    Result GetDepthStencilSurface(Surface** surface) override;
    Result GetRenderTarget(Surface** surface) override;

    Result CreateTexture(uint32_t width, uint32_t height, uint32_t levels, uint32_t usage, Format format, Pool pool,
                         Texture** texture) override;
    Result CreateImageSurface(uint32_t width, uint32_t height, Format format, Surface** surface) override;
    Result CopyRects(Surface* source, const Rect* rects, uint32_t rectCount, Surface* dest,
                     const Point* points) override;
    Result SetRenderTarget(Surface* target, Surface* depth) override;
    Viewport GetViewport() const override { return mViewport; }

    Result SetRenderState(RenderStateId state, uint32_t value) override;
    uint32_t GetRenderState(RenderStateId state) const override;
    Result SetTextureStageState(uint32_t stage, TextureStageStateId state, uint32_t value) override;
    uint32_t GetTextureStageState(uint32_t stage, TextureStageStateId state) const override;
    Result SetTexture(uint32_t stage, Texture* texture) override;
    Texture* GetTexture(uint32_t stage) const override;
    Result SetMaterial(const Material& material) override;
    Material GetMaterial() const override { return mState.material; }
    Result SetLight(uint32_t index, const Light& light) override;
    Result GetLight(uint32_t index, Light* light) const override;
    Result LightEnable(uint32_t index, bool enable) override;
    bool IsLightEnabled(uint32_t index) const override;
    Result SetTransform(TransformId which, const Matrix& matrix) override;
    Result GetTransform(TransformId which, Matrix* matrix) const override;

    Result CreateVertexBuffer(uint32_t length, uint32_t usage, uint32_t fvf, Pool pool, VertexBuffer** buffer) override;
    Result SetStreamSource(uint32_t stream, VertexBuffer* buffer, uint32_t stride) override;
    Result SetVertexShader(uint32_t handleOrFvf) override;
    uint32_t GetVertexShader() const override { return mState.vertexShader; }
    Result DrawPrimitive(PrimitiveType type, uint32_t startVertex, uint32_t primitiveCount) override;
    Result DrawPrimitiveUP(PrimitiveType type, uint32_t primitiveCount, const void* vertices, uint32_t stride) override;
    Result DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                  const uint32_t* indices, const void* vertices, uint32_t stride) override;
    Result DrawIndexedPrimitiveUPUpTo(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                      const uint32_t* indices, uint32_t largestIndex, const void* vertices,
                                      uint32_t stride) override;

    Result CreateVertexShader(const uint32_t* declaration, const void* function, size_t functionSize,
                              uint32_t* handle) override;
    Result CreatePixelShader(const void* function, size_t functionSize, uint32_t* handle) override;
    Result DeleteVertexShader(uint32_t handle) override;
    Result DeletePixelShader(uint32_t handle) override;
    Result SetPixelShader(uint32_t handle) override;
    uint32_t GetPixelShader() const override { return mState.pixelShader; }
    Result SetVertexShaderConstant(uint32_t reg, const float* data, uint32_t count) override;
    Result SetPixelShaderConstant(uint32_t reg, const float* data, uint32_t count) override;

    Result SetClipStatus(uint32_t clipUnion, uint32_t clipIntersection) override;
    void ShowCursor(bool) override {}
    void SetCursorPosition(int32_t, int32_t) override {}

    const DeviceState& State() const { return mState; }
    // Textures of the default pool made by CreateTexture and not yet destroyed.
    uint32_t LiveDefaultPoolObjects() const { return *mLiveDefaultPool; }
    // The shader of that handle, or null.
    const ShaderRecord* FindVertexShader(uint32_t handle) const;
    const ShaderRecord* FindPixelShader(uint32_t handle) const;

protected:
    DeviceBase() = default;

    // Makes the back buffer and depth surface of these parameters and the default state.
    void InitFrame(const PresentParams& params);
    // Back to the state of a new device (what Reset does).
    void ResetState();
    // A Reset is refused while default-pool objects are held, as the platform refused it.
    bool ResetAllowed() const { return *mLiveDefaultPool == 0; }

    // A failure the backend wants the next call to report; kOk lets it run.
    virtual Result TakeInjectedFailure() { return kOk; }
    virtual TextureImpl* NewTexture(const SurfaceDesc& desc) = 0;
    virtual void ClearTarget(const Rect& rect, uint32_t flags, Color color, float z) = 0;
    // Copies pixels from memory into a target's rectangle; dest is never a memory surface.
    virtual void CopyToTarget(const uint32_t* pixels, uint32_t pitchPixels, const Rect& sourceRect, SurfaceImpl* dest,
                              const Point& destPoint) = 0;
    virtual Result Draw(const DrawCall& call) = 0;

    SurfaceImpl* BackBuffer() const { return mBackBuffer; }
    SurfaceImpl* DepthSurface() const { return mDepth; }
    Bindings& Bound() { return *mBindings; }
    const Bindings& Bound() const { return *mBindings; }
    const std::weak_ptr<Bindings> BindingsHandle() const { return mBindings; }
    bool InScene() const { return mInScene; }

private:
    // largestIndex is the indices' largest, when the caller knows it; else they are looked through.
    Result DrawChecked(PrimitiveType type, uint32_t primitiveCount, const uint8_t* vertices, uint32_t available,
                       uint32_t stride, const uint32_t* indices, uint32_t indexVertexCount,
                       std::optional<uint32_t> largestIndex = std::nullopt);

    DeviceState mState;
    std::shared_ptr<Bindings> mBindings = std::make_shared<Bindings>();
    std::shared_ptr<uint32_t> mLiveDefaultPool = std::make_shared<uint32_t>(0);
    SurfaceImpl* mBackBuffer = nullptr;
    SurfaceImpl* mDepth = nullptr;
    bool mAutoDepth = false;
    Viewport mViewport;
    bool mInScene = false;
    std::map<uint32_t, ShaderRecord> mVertexShaders;
    std::map<uint32_t, ShaderRecord> mPixelShaders;
    uint32_t mNextVertexShader = 1;
    uint32_t mNextPixelShader = 1;
};

}  // namespace gfx
