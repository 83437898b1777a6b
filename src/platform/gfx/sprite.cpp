// The sprite drawer.
#include "platform/gfx/sprite.h"

#include <cmath>

#include "platform/gfx/math.h"

namespace gfx {

namespace {

constexpr uint32_t kSpriteFvf = kFvfXyzRhw | kFvfDiffuse | kFvfTex1;

struct SpriteVertex {
    float x, y, z, rhw;
    Color color;
    float u, v;
};

const std::pair<RenderStateId, uint32_t> kRenderStates[] = {
    {kRsAlphaBlendEnable, 1},  {kRsSrcBlend, kBlendSrcAlpha}, {kRsDestBlend, kBlendInvSrcAlpha},
    {kRsAlphaTestEnable, 1},   {kRsAlphaFunc, kCmpGreater},   {kRsAlphaRef, 0},
    {kRsLighting, 0},          {kRsCullMode, kCullNone},      {kRsZEnable, 0},
    {kRsFillMode, kFillSolid}, {kRsBlendOp, kBlendOpAdd},
};

const std::pair<TextureStageStateId, uint32_t> kStageStates[] = {
    {kTssColorOp, kTopModulate}, {kTssColorArg1, kTaTexture}, {kTssColorArg2, kTaDiffuse},
    {kTssAlphaOp, kTopModulate}, {kTssAlphaArg1, kTaTexture}, {kTssAlphaArg2, kTaDiffuse},
};

}  // namespace

Result Sprite::Create(Device* device, Sprite** sprite)
{
    if (!sprite)
        return kInvalidCall;
    *sprite = nullptr;
    if (!device)
        return kInvalidCall;
    *sprite = new Sprite(device);
    return kOk;
}

Result Sprite::Begin()
{
    if (mBegun)
        return kInvalidCall;
    mSavedRender.clear();
    mSavedStage.clear();
    for (const auto& [state, value] : kRenderStates)
        mSavedRender.emplace_back(state, mDevice->GetRenderState(state));
    for (const auto& [state, value] : kStageStates)
        mSavedStage.emplace_back(state, mDevice->GetTextureStageState(0, state));
    mSavedTexture = mDevice->GetTexture(0);
    mSavedVertexShader = mDevice->GetVertexShader();
    mSavedPixelShader = mDevice->GetPixelShader();

    for (const auto& [state, value] : kRenderStates)
        if (Result r = mDevice->SetRenderState(state, value); Failed(r))
            return r;
    for (const auto& [state, value] : kStageStates)
        if (Result r = mDevice->SetTextureStageState(0, state, value); Failed(r))
            return r;
    if (Result r = mDevice->SetPixelShader(0); Failed(r))
        return r;
    if (Result r = mDevice->SetVertexShader(kSpriteFvf); Failed(r))
        return r;
    mBegun = true;
    return kOk;
}

Result Sprite::DrawTransform(Texture* texture, const Rect* source, const Matrix& transform, Color color)
{
    if (!mBegun || !texture)
        return kInvalidCall;
    SurfaceDesc desc;
    if (Result r = texture->GetLevelDesc(0, &desc); Failed(r))
        return r;
    const Rect whole{0, 0, static_cast<int32_t>(desc.width), static_cast<int32_t>(desc.height)};
    const Rect& src = source ? *source : whole;
    const float w = static_cast<float>(src.right - src.left);
    const float h = static_cast<float>(src.bottom - src.top);
    const float u0 = src.left / static_cast<float>(desc.width), u1 = src.right / static_cast<float>(desc.width);
    const float v0 = src.top / static_cast<float>(desc.height), v1 = src.bottom / static_cast<float>(desc.height);
    const float corners[4][4] = {{0, 0, u0, v0}, {w, 0, u1, v0}, {w, h, u1, v1}, {0, h, u0, v1}};
    SpriteVertex quad[4];
    const auto& m = transform.m;
    for (int i = 0; i < 4; ++i) {
        const float x = corners[i][0], y = corners[i][1];
        // Half a pixel back so that texel centres fall on pixel centres.
        quad[i] = SpriteVertex{x * m[0][0] + y * m[1][0] + m[3][0] - 0.5f,
                               x * m[0][1] + y * m[1][1] + m[3][1] - 0.5f,
                               0.0f,
                               1.0f,
                               color,
                               corners[i][2],
                               corners[i][3]};
    }
    if (Result r = mDevice->SetTexture(0, texture); Failed(r))
        return r;
    return mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(SpriteVertex));
}

Result Sprite::Draw(Texture* texture, const Rect* source, const Vector2* scaling, const Vector2* rotationCentre,
                    float rotation, const Vector2* translation, Color color)
{
    Matrix m = MatrixIdentity();
    if (scaling)
        m = MatrixScaling(scaling->x, scaling->y, 1.0f);
    if (rotation != 0.0f) {
        const Vector2 c = rotationCentre ? *rotationCentre : Vector2{};
        m = MatrixMultiply(m, MatrixTranslation(-c.x, -c.y, 0));
        m = MatrixMultiply(m, MatrixRotationZ(rotation));
        m = MatrixMultiply(m, MatrixTranslation(c.x, c.y, 0));
    }
    if (translation)
        m = MatrixMultiply(m, MatrixTranslation(translation->x, translation->y, 0));
    return DrawTransform(texture, source, m, color);
}

Result Sprite::End()
{
    if (!mBegun)
        return kInvalidCall;
    mBegun = false;
    Result result = kOk;
    auto keep = [&result](Result r) {
        if (Failed(r) && !Failed(result))
            result = r;
    };
    for (const auto& [state, value] : mSavedRender)
        keep(mDevice->SetRenderState(state, value));
    for (const auto& [state, value] : mSavedStage)
        keep(mDevice->SetTextureStageState(0, state, value));
    keep(mDevice->SetTexture(0, mSavedTexture));
    keep(mDevice->SetVertexShader(mSavedVertexShader));
    keep(mDevice->SetPixelShader(mSavedPixelShader));
    return result;
}

}  // namespace gfx
