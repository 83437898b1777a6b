// The state a device keeps between calls, the same for both backends: render and texture-stage
// states with the platform's defaults, material, lights, transforms and shader constants.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gfx/device.h"

namespace gfx {

constexpr uint32_t kMaxTextureStages = 4;
constexpr uint32_t kMaxLights = 8;
constexpr uint32_t kVertexShaderConstants = 96;
constexpr uint32_t kPixelShaderConstants = 8;

struct DeviceState {
    std::array<uint32_t, kRenderStateCount> renderStates{};
    std::array<std::array<uint32_t, kTextureStageStateCount>, kMaxTextureStages> stageStates{};
    // The blend factors in force: a value the platform does not define keeps the previous one.
    uint32_t srcBlendFactor = kBlendOne, destBlendFactor = kBlendZero;
    Material material;
    std::array<Light, kMaxLights> lights{};
    std::array<bool, kMaxLights> lightEnabled{};
    Matrix world, view, projection;
    uint32_t vertexShader = 0;  // a vertex format or a shader handle
    uint32_t pixelShader = 0;
    std::array<Vector4, kVertexShaderConstants> vsConstants{};
    std::array<Vector4, kPixelShaderConstants> psConstants{};
    uint32_t clipUnion = 0, clipIntersection = 0;
};

// What both backends can do: shaders 1.1, hardware transform, every source blend factor.
DeviceCaps DefaultDeviceCaps();

// The platform's state after device creation or Reset; depth testing is on when the device
// has an automatic depth buffer.
DeviceState DefaultDeviceState(bool autoDepth);

// Whether SRCBLEND/DESTBLEND can take that value; any other value keeps the factor in force.
// 14 is read as "the alpha of the texture factor".
bool IsKnownBlend(uint32_t value);

// Whether draws can read that vertex format: a position of x, y, z with or without rhw.
bool IsDrawableFvf(uint32_t fvf);

// Vertices a draw of that many primitives reads; 0 for an unknown type.
uint32_t VertexCountOf(PrimitiveType type, uint32_t primitiveCount);

}  // namespace gfx
