// Defaults and small rules of the device state.
#include "platform/gfx/device_state.h"

#include "platform/gfx/math.h"

namespace gfx {

DeviceCaps DefaultDeviceCaps()
{
    DeviceCaps caps;
    caps.devCaps = kDevCapsHwTransformAndLight;
    caps.srcBlendCaps = 0x1FFF;
    caps.fvfCaps = kFvfCapsPSize | 8;
    caps.vertexShaderVersion = 0xFFFE0101u;
    caps.maxVertexShaderConst = kVertexShaderConstants;
    caps.pixelShaderVersion = 0xFFFF0101u;
    return caps;
}

DeviceState DefaultDeviceState(bool autoDepth)
{
    DeviceState s;
    auto& rs = s.renderStates;
    rs[kRsZEnable] = autoDepth ? 1 : 0;
    rs[kRsFillMode] = kFillSolid;
    rs[kRsShadeMode] = kShadeGouraud;
    rs[kRsZWriteEnable] = 1;
    rs[kRsSrcBlend] = kBlendOne;
    rs[kRsDestBlend] = kBlendZero;
    rs[kRsCullMode] = kCullCcw;
    rs[kRsZFunc] = kCmpLessEqual;
    rs[kRsAlphaFunc] = kCmpAlways;
    rs[kRsTextureFactor] = 0xFFFFFFFFu;
    rs[kRsClipping] = 1;
    rs[kRsLighting] = 1;
    rs[kRsColorVertex] = 1;
    rs[kRsMultisampleAntialias] = 1;
    rs[kRsBlendOp] = kBlendOpAdd;
    for (uint32_t stage = 0; stage < kMaxTextureStages; ++stage) {
        auto& ts = s.stageStates[stage];
        ts[kTssColorOp] = stage == 0 ? kTopModulate : kTopDisable;
        ts[kTssColorArg1] = kTaTexture;
        ts[kTssColorArg2] = kTaCurrent;
        ts[kTssAlphaOp] = stage == 0 ? kTopSelectArg1 : kTopDisable;
        ts[kTssAlphaArg1] = kTaTexture;
        ts[kTssAlphaArg2] = kTaCurrent;
        ts[kTssAddressU] = kAddressWrap;
        ts[kTssAddressV] = kAddressWrap;
        ts[kTssMagFilter] = kFilterPoint;
        ts[kTssMinFilter] = kFilterPoint;
        ts[kTssMipFilter] = kFilterNone;
    }
    s.world = s.view = s.projection = MatrixIdentity();
    return s;
}

bool IsKnownBlend(uint32_t value)
{
    return (value >= kBlendZero && value <= kBlendSrcAlphaSat) || value == kBlendTextureFactorAlpha;
}

bool IsDrawableFvf(uint32_t fvf)
{
    const uint32_t position = fvf & kFvfPositionMask;
    return position == kFvfXyz || position == kFvfXyzRhw;
}

uint32_t VertexCountOf(PrimitiveType type, uint32_t primitiveCount)
{
    if (primitiveCount == 0)
        return 0;
    switch (type) {
    case kPrimPointList:
        return primitiveCount;
    case kPrimLineList:
        return primitiveCount * 2;
    case kPrimLineStrip:
        return primitiveCount + 1;
    case kPrimTriangleList:
        return primitiveCount * 3;
    case kPrimTriangleStrip:
    case kPrimTriangleFan:
        return primitiveCount + 2;
    }
    return 0;
}

}  // namespace gfx
