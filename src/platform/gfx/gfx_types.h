// Plain value types of the drawing layer: colours, matrices, rectangles, materials and the
// numeric ids of states, formats and primitive types the game passes.
#pragma once

#include <cstdint>

namespace gfx {

// Result codes. Callers compare them with these values, as numbers.
using Result = int32_t;
constexpr Result kOk = 0;
constexpr Result kFail = static_cast<Result>(0x80004005u);
constexpr Result kInvalidCall = static_cast<Result>(0x8876086Cu);
constexpr Result kDeviceLost = static_cast<Result>(0x88760868u);
constexpr Result kDeviceNotReset = static_cast<Result>(0x88760869u);
constexpr Result kNotFound = static_cast<Result>(0x88760866u);
constexpr Result kOutOfMemory = static_cast<Result>(0x8007000Eu);
constexpr Result kNotAvailable = static_cast<Result>(0x8876086Au);
// A file that is not an image we can read, or is cut short.
constexpr Result kInvalidData = static_cast<Result>(0x88760B59u);
inline bool Failed(Result r)
{
    return r < 0;
}

// 0xAARRGGBB, as packed colours are everywhere in the game.
using Color = uint32_t;
constexpr Color MakeArgb(uint32_t a, uint32_t r, uint32_t g, uint32_t b)
{
    return ((a & 0xFF) << 24) | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF);
}

struct ColorValue {
    float r = 0, g = 0, b = 0, a = 0;
};

struct Vector2 {
    float x = 0, y = 0;
};

struct Vector3 {
    float x = 0, y = 0, z = 0;
};

struct Vector4 {
    float x = 0, y = 0, z = 0, w = 0;
};

// Row-major 4x4, used with row vectors: v' = v * M, so A * B applies A first.
struct Matrix {
    float m[4][4] = {};
};

struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Point {
    int32_t x = 0, y = 0;
};

struct Material {
    ColorValue diffuse, ambient, specular, emissive;
    float power = 0;
};

enum LightType : uint32_t { kLightPoint = 1, kLightSpot = 2, kLightDirectional = 3 };

// Kept as a member by the game; no light is ever enabled.
struct Light {
    uint32_t type = 0;
    ColorValue diffuse, specular, ambient;
    Vector3 position, direction;
    float range = 0, falloff = 0, attenuation0 = 0, attenuation1 = 0, attenuation2 = 0;
    float theta = 0, phi = 0;
};

enum Format : uint32_t {
    kFormatUnknown = 0,
    kFormatA8R8G8B8 = 21,
    kFormatX8R8G8B8 = 22,
    kFormatD16 = 80,
};

enum Pool : uint32_t {
    kPoolDefault = 0,
    kPoolManaged = 1,
    kPoolSystemMem = 2,
};

enum Usage : uint32_t {
    kUsageRenderTarget = 1,
    kUsageWriteOnly = 8,
};

struct SurfaceDesc {
    Format format = kFormatUnknown;
    uint32_t usage = 0;
    Pool pool = kPoolDefault;
    uint32_t width = 0, height = 0;
};

// Render state ids and the values the game sets.
enum RenderStateId : uint32_t {
    kRsZEnable = 7,
    kRsFillMode = 8,
    kRsShadeMode = 9,
    kRsZWriteEnable = 14,
    kRsAlphaTestEnable = 15,
    kRsSrcBlend = 19,
    kRsDestBlend = 20,
    kRsCullMode = 22,
    kRsZFunc = 23,
    kRsAlphaRef = 24,
    kRsAlphaFunc = 25,
    kRsAlphaBlendEnable = 27,
    kRsEdgeAntialias = 40,
    kRsStencilEnable = 52,
    kRsTextureFactor = 60,
    kRsClipping = 136,
    kRsLighting = 137,
    kRsAmbient = 139,
    kRsColorVertex = 141,
    kRsMultisampleAntialias = 161,
    kRsBlendOp = 171,
    kRenderStateCount = 256,
};

enum FillMode : uint32_t { kFillWireframe = 2, kFillSolid = 3 };
enum ShadeMode : uint32_t { kShadeGouraud = 2 };
enum CullMode : uint32_t { kCullNone = 1, kCullCw = 2, kCullCcw = 3 };
enum CompareFunc : uint32_t {
    kCmpNever = 1,
    kCmpLess,
    kCmpEqual,
    kCmpLessEqual,
    kCmpGreater,
    kCmpNotEqual,
    kCmpGreaterEqual,
    kCmpAlways
};
enum BlendOp : uint32_t { kBlendOpAdd = 1 };

// Blend factors. 14 is not a defined factor of the platform the game was written for;
// we read it as "the alpha of the texture factor" (see device.h).
enum Blend : uint32_t {
    kBlendZero = 1,
    kBlendOne = 2,
    kBlendSrcColor = 3,
    kBlendInvSrcColor = 4,
    kBlendSrcAlpha = 5,
    kBlendInvSrcAlpha = 6,
    kBlendDestAlpha = 7,
    kBlendInvDestAlpha = 8,
    kBlendDestColor = 9,
    kBlendInvDestColor = 10,
    kBlendSrcAlphaSat = 11,
    kBlendTextureFactorAlpha = 14,
};

// Texture stage state ids and values (stage 0 is the only one the game sets).
enum TextureStageStateId : uint32_t {
    kTssColorOp = 1,
    kTssColorArg1 = 2,
    kTssColorArg2 = 3,
    kTssAlphaOp = 4,
    kTssAlphaArg1 = 5,
    kTssAlphaArg2 = 6,
    kTssAddressU = 13,
    kTssAddressV = 14,
    kTssMagFilter = 16,
    kTssMinFilter = 17,
    kTssMipFilter = 18,
    kTextureStageStateCount = 32,
};

enum TextureOp : uint32_t {
    kTopDisable = 1,
    kTopSelectArg1 = 2,
    kTopSelectArg2 = 3,
    kTopModulate = 4,
    kTopModulate2x = 5,
    kTopAdd = 7
};
enum TextureArg : uint32_t { kTaDiffuse = 0, kTaCurrent = 1, kTaTexture = 2, kTaTFactor = 3 };
enum TextureFilter : uint32_t { kFilterNone = 0, kFilterPoint = 1, kFilterLinear = 2 };
enum TextureAddress : uint32_t { kAddressWrap = 1, kAddressMirror = 2, kAddressClamp = 3 };

enum TransformId : uint32_t {
    kTransformView = 2,
    kTransformProjection = 3,
    kTransformWorld = 256,
};

enum PrimitiveType : uint32_t {
    kPrimPointList = 1,
    kPrimLineList = 2,
    kPrimLineStrip = 3,
    kPrimTriangleList = 4,
    kPrimTriangleStrip = 5,
    kPrimTriangleFan = 6,
};

// Flexible vertex format bits.
enum Fvf : uint32_t {
    kFvfXyz = 0x002,
    kFvfXyzRhw = 0x004,
    kFvfPositionMask = 0x00E,
    kFvfNormal = 0x010,
    kFvfPSize = 0x020,
    kFvfDiffuse = 0x040,
    kFvfSpecular = 0x080,
    kFvfTex1 = 0x100,
    kFvfTexCountMask = 0xF00,
};

enum ClearFlags : uint32_t {
    kClearTarget = 1,
    kClearZBuffer = 2,
    kClearStencil = 4,
};

enum LockFlags : uint32_t {
    kLockReadOnly = 0x10,
};

}  // namespace gfx
