// A device that only remembers the vertex format and the indexed draws it is given, for
// testing what meshes send to a device without a backend.
#pragma once

#include <cstring>
#include <vector>

#include "platform/gfx/device.h"

namespace gfx {

class DrawRecorder : public Device {
public:
    struct Draw {
        uint32_t fvf;
        uint32_t vertexCount;
        uint32_t primitiveCount;
        std::vector<uint32_t> indices;
        uint32_t stride;
        const void* vertices;
        // The largest index the caller said the indices have; kNoLargest when it did not say.
        uint32_t largest = kNoLargest;
    };
    static constexpr uint32_t kNoLargest = 0xFFFFFFFFu;
    std::vector<Draw> draws;
    uint32_t fvf = 0;

    Result SetVertexShader(uint32_t handleOrFvf) override
    {
        fvf = handleOrFvf;
        return kOk;
    }
    uint32_t GetVertexShader() const override { return fvf; }
    Result DrawIndexedPrimitiveUP(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                  const uint32_t* indices, const void* vertices, uint32_t stride) override
    {
        if (type != kPrimTriangleList)
            return kInvalidCall;
        draws.push_back({fvf, vertexCount, primitiveCount, std::vector<uint32_t>(indices, indices + primitiveCount * 3),
                         stride, vertices});
        return kOk;
    }
    Result DrawIndexedPrimitiveUPUpTo(PrimitiveType type, uint32_t vertexCount, uint32_t primitiveCount,
                                      const uint32_t* indices, uint32_t largestIndex, const void* vertices,
                                      uint32_t stride) override
    {
        const Result r = DrawIndexedPrimitiveUP(type, vertexCount, primitiveCount, indices, vertices, stride);
        if (!Failed(r))
            draws.back().largest = largestIndex;
        return r;
    }

    Result TestCooperativeLevel() override { return kOk; }
    Result Reset(const PresentParams&) override { return kOk; }
    DeviceCaps GetDeviceCaps() const override { return {}; }
    Result Clear(uint32_t, const Rect*, uint32_t, Color, float, uint32_t) override { return kOk; }
    Result BeginScene() override { return kOk; }
    Result EndScene() override { return kOk; }
    Result Present() override { return kOk; }
    Result GetBackBuffer(Surface**) override { return kFail; }
    Result GetDepthStencilSurface(Surface**) override { return kFail; }
    Result GetRenderTarget(Surface**) override { return kFail; }
    Result CreateTexture(uint32_t, uint32_t, uint32_t, uint32_t, Format, Pool, Texture**) override { return kFail; }
    Result CreateImageSurface(uint32_t, uint32_t, Format, Surface**) override { return kFail; }
    Result CopyRects(Surface*, const Rect*, uint32_t, Surface*, const Point*) override { return kFail; }
    Result SetRenderTarget(Surface*, Surface*) override { return kOk; }
    Viewport GetViewport() const override { return {}; }
    Result SetRenderState(RenderStateId, uint32_t) override { return kOk; }
    uint32_t GetRenderState(RenderStateId) const override { return 0; }
    Result SetTextureStageState(uint32_t, TextureStageStateId, uint32_t) override { return kOk; }
    uint32_t GetTextureStageState(uint32_t, TextureStageStateId) const override { return 0; }
    Result SetTexture(uint32_t, Texture*) override { return kOk; }
    Texture* GetTexture(uint32_t) const override { return nullptr; }
    Result SetMaterial(const Material&) override { return kOk; }
    Material GetMaterial() const override { return {}; }
    Result SetLight(uint32_t, const Light&) override { return kOk; }
    Result GetLight(uint32_t, Light*) const override { return kOk; }
    Result LightEnable(uint32_t, bool) override { return kOk; }
    bool IsLightEnabled(uint32_t) const override { return false; }
    Result SetTransform(TransformId, const Matrix&) override { return kOk; }
    Result GetTransform(TransformId, Matrix*) const override { return kOk; }
    Result CreateVertexBuffer(uint32_t, uint32_t, uint32_t, Pool, VertexBuffer**) override { return kFail; }
    Result SetStreamSource(uint32_t, VertexBuffer*, uint32_t) override { return kOk; }
    Result DrawPrimitive(PrimitiveType, uint32_t, uint32_t) override { return kOk; }
    Result DrawPrimitiveUP(PrimitiveType, uint32_t, const void*, uint32_t) override { return kOk; }
    Result CreateVertexShader(const uint32_t*, const void*, size_t, uint32_t*) override { return kFail; }
    Result CreatePixelShader(const void*, size_t, uint32_t*) override { return kFail; }
    Result DeleteVertexShader(uint32_t) override { return kOk; }
    Result DeletePixelShader(uint32_t) override { return kOk; }
    Result SetPixelShader(uint32_t) override { return kOk; }
    uint32_t GetPixelShader() const override { return 0; }
    Result SetVertexShaderConstant(uint32_t, const float*, uint32_t) override { return kOk; }
    Result SetPixelShaderConstant(uint32_t, const float*, uint32_t) override { return kOk; }
    Result SetClipStatus(uint32_t, uint32_t) override { return kOk; }
    void ShowCursor(bool) override {}
    void SetCursorPosition(int32_t, int32_t) override {}
};

}  // namespace gfx
