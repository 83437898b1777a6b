// Device resources made at set-up (shaders, the full-screen quad, the sprite drawer, fonts,
// fixed states) and the glow pass that adds the frame's glowing parts over the back buffer.
#include "engine/resource_manager.h"

#include <cstring>
#include <optional>

#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "engine/glow_shaders.h"
#include "platform/gfx/shader_asm.h"
#include "platform/gfx/sprite.h"
#include "platform/os/message_queue.h"

gfx::VertexBuffer* gQuadVertexBuffer = nullptr;
float gGlowWeights[4] = {};

namespace {

constexpr uint32_t kQuadFvf = gfx::kFvfXyzRhw | gfx::kFvfTex1;
constexpr uint32_t kQuadStride = 24;
// Clip-space corners (x, y, z, w) and texture coordinates (u, v), drawn as a fan.
constexpr float kQuadVertices[4][6] = {
    {1, 1, 1, 1, 1, 0},
    {1, -1, 1, 1, 1, 1},
    {-1, -1, 1, 1, 0, 1},
    {-1, 1, 1, 1, 0, 0},
};
// Stream 0; v0 = four floats (the position), v7 = two floats (the texture coordinate).
constexpr uint32_t kGlowVertexDeclaration[] = {0x20000000u, 0x40030000u, 0x40010007u, 0xFFFFFFFFu};
// Texture-coordinate offsets of the four taps (c0..c3), one table per blur draw.
constexpr float kTapOffsets[4][16] = {
    {0, 0, 0, 0, -1, 0, 0, 0, -2, 0, 0, 0, -3, 0, 0, 0},
    {0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0},
    {0, 0, 0, 0, 0, -1, 0, 0, 0, -2, 0, 0, 0, -3, 0, 0},
    {0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0},
};
constexpr uint32_t kAmbient = 0xFF0A0A0Au;

gfx::Result CreateQuad()
{
    gfx::Result result = gDevice->CreateVertexBuffer(sizeof(kQuadVertices), gfx::kUsageWriteOnly, kQuadFvf,
                                                     gfx::kPoolManaged, &gQuadVertexBuffer);
    if (gfx::Failed(result))
        return result;
    void* data = nullptr;
    result = gQuadVertexBuffer->Lock(0, 0, &data, 0);
    if (gfx::Failed(result))
        return result;
    std::memcpy(data, kQuadVertices, sizeof(kQuadVertices));
    return gQuadVertexBuffer->Unlock();
}

// A failed assembly ends the game and leaves the code empty.
void Assemble(const std::string& text, std::vector<uint32_t>* code, std::string* errors)
{
    code->clear();
    if (std::optional<std::string> error = gfx::AssembleShader(text.data(), text.size(), code)) {
        *errors = *error;
        code->clear();
        os::PostFailureQuit("a glow shader could not be assembled: %s", error->c_str());
    }
}

void DrawQuad()
{
    gDevice->DrawPrimitive(gfx::kPrimTriangleFan, 0, 2);
}

// Whether the fixed stage's colour and alpha make zero of a zero texel, whatever else they read.
bool ZeroTexelGivesZero(gfx::TextureStageStateId op, gfx::TextureStageStateId arg1, gfx::TextureStageStateId arg2)
{
    auto isTexel = [](uint32_t arg) { return (arg & 0x1F) == gfx::kTaTexture; };
    const bool first = isTexel(gDevice->GetTextureStageState(0, arg1));
    const bool second = isTexel(gDevice->GetTextureStageState(0, arg2));
    switch (gDevice->GetTextureStageState(0, op)) {
    case gfx::kTopSelectArg1:
        return first;
    case gfx::kTopSelectArg2:
        return second;
    case gfx::kTopModulate:
    case gfx::kTopModulate2x:
        return first || second;
    case gfx::kTopAdd:
        return first && second;
    default:
        return false;
    }
}

// With nothing drawn into the glow target since its clear, the downsample leaves the cleared blur
// target zero, each blur draw scales zero by the zero destination alpha, and the composite adds
// zero: the quads change no pixel and can be left out.
bool GlowQuadsChangeNothing(bool glowDrawn)
{
    return !glowDrawn && ZeroTexelGivesZero(gfx::kTssColorOp, gfx::kTssColorArg1, gfx::kTssColorArg2) &&
           ZeroTexelGivesZero(gfx::kTssAlphaOp, gfx::kTssAlphaArg1, gfx::kTssAlphaArg2);
}

}  // namespace

void CResourceManager::ReleaseDeviceResources()
{
    if (gDevice) {
        if (mGlowVertexShader)
            gDevice->DeleteVertexShader(mGlowVertexShader);
        if (mGlowPixelShader)
            gDevice->DeletePixelShader(mGlowPixelShader);
        if (mCopyPixelShader)
            gDevice->DeletePixelShader(mCopyPixelShader);
    }
    mGlowVertexShader = mGlowPixelShader = mCopyPixelShader = 0;
    if (mSpriteDrawer) {
        mSpriteDrawer->Release();
        mSpriteDrawer = nullptr;
    }
    if (gQuadVertexBuffer) {
        gQuadVertexBuffer->Release();
        gQuadVertexBuffer = nullptr;
    }
}

gfx::Result CResourceManager::CreateShaders()
{
    Assemble(GlowVertexShaderText(), &mGlowVertexShaderCode, &mAssemblerErrors);
    Assemble(GlowPixelShaderText(), &mGlowPixelShaderCode, &mAssemblerErrors);
    Assemble(CopyVertexShaderText(), &mCopyVertexShaderCode, &mAssemblerErrors);
    Assemble(CopyPixelShaderText(), &mCopyPixelShaderCode, &mAssemblerErrors);
    gfx::Result result = gfx::kOk;
    if (!mGlowVertexShaderCode.empty())
        result = gDevice->CreateVertexShader(kGlowVertexDeclaration, mGlowVertexShaderCode.data(),
                                             mGlowVertexShaderCode.size() * sizeof(uint32_t), &mGlowVertexShader);
    if (!mGlowPixelShaderCode.empty() && !gfx::Failed(result))
        result = gDevice->CreatePixelShader(mGlowPixelShaderCode.data(), mGlowPixelShaderCode.size() * sizeof(uint32_t),
                                            &mGlowPixelShader);
    if (!mCopyPixelShaderCode.empty() && !gfx::Failed(result))
        result = gDevice->CreatePixelShader(mCopyPixelShaderCode.data(), mCopyPixelShaderCode.size() * sizeof(uint32_t),
                                            &mCopyPixelShader);
    if (!gfx::Failed(result) && (!mGlowVertexShader || !mGlowPixelShader || !mCopyPixelShader))
        result = gfx::kFail;
    return result;
}

gfx::Result CResourceManager::InitDeviceResources()
{
    ReleaseDeviceResources();
    mLight = gfx::Light{};
    mMeshMaterial = gfx::Material{};

    gfx::Result first = gfx::kOk;
    auto note = [&first](gfx::Result result) {
        if (gfx::Failed(result) && !gfx::Failed(first))
            first = result;
        return !gfx::Failed(result);
    };
    if (gShadersSupported && !note(CreateShaders())) {
        // A device that cannot make the glow shaders draws everything else without the glow pass.
        ReleaseDeviceResources();
        gShadersSupported = 0;
        gGlowEnabled = 0;
    }
    note(CreateQuad());
    if (note(gfx::Sprite::Create(gDevice, &mSpriteDrawer)) && note(InitSound())) {
        LoadFonts();
        gDevice->SetRenderState(gfx::kRsLighting, 1);
        gDevice->SetRenderState(gfx::kRsAmbient, kAmbient);
        gDevice->SetTextureStageState(0, gfx::kTssMagFilter, gfx::kFilterLinear);
        gDevice->SetTextureStageState(0, gfx::kTssMinFilter, gfx::kFilterLinear);
    }
    return first;
}

void CResourceManager::DrawGlowPass()
{
    const bool drawQuads = !GlowQuadsChangeNothing(mGlowTargetDrawn);
    gDevice->SetTextureStageState(0, gfx::kTssMagFilter, gfx::kFilterLinear);
    gDevice->SetTextureStageState(0, gfx::kTssMinFilter, gfx::kFilterLinear);
    gDevice->SetRenderState(gfx::kRsZEnable, 0);
    gDevice->SetTexture(0, gGlowTexture);
    const uint32_t finalAlpha = static_cast<uint32_t>(gPulse) << 24;
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 0);

    gDevice->SetRenderTarget(gBlurSurface, nullptr);
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0, 1.0f, 0);

    const float pulse = static_cast<float>(gPulse);
    const float shares[4] = {0.4f, 0.3f, 0.2f, 0.1f};
    float weights[16];
    for (int i = 0; i < 4; ++i) {
        gGlowWeights[i] = pulse * shares[i] / 400.0f + 0.1f;
        for (int c = 0; c < 4; ++c)
            weights[i * 4 + c] = gGlowWeights[i];
    }

    // Down to the 400x300 target; the tap offsets are whatever the last blur draw left.
    gDevice->SetVertexShader(mGlowVertexShader);
    gDevice->SetPixelShader(0);
    gDevice->SetStreamSource(0, gQuadVertexBuffer, kQuadStride);
    if (drawQuads)
        DrawQuad();

    gDevice->SetTexture(0, gBlurTexture);
    gDevice->SetPixelShader(mGlowPixelShader);
    gDevice->SetVertexShader(mGlowVertexShader);
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
    gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendDestAlpha);
    gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendDestAlpha);
    gDevice->SetPixelShaderConstant(0, weights, 4);
    for (const float* table : kTapOffsets) {
        gDevice->SetVertexShaderConstant(0, table, 4);
        if (drawQuads)
            DrawQuad();
    }

    gDevice->SetRenderTarget(gBackBuffer, nullptr);
    gDevice->SetRenderState(gfx::kRsZEnable, 0);
    gDevice->SetTexture(0, gBlurTexture);
    gDevice->SetRenderState(gfx::kRsAlphaBlendEnable, 1);
    gDevice->SetRenderState(gfx::kRsDestBlend, gfx::kBlendOne);
    gDevice->SetRenderState(gfx::kRsSrcBlend, gfx::kBlendTextureFactorAlpha);
    gDevice->SetRenderState(gfx::kRsTextureFactor, finalAlpha + 0xFFFFFFu);
    gDevice->SetPixelShader(0);
    if (drawQuads)
        DrawQuad();
    gDevice->SetPixelShader(0);
    gDevice->SetVertexShader(0);

    gDevice->SetRenderTarget(gGlowSurface, nullptr);
    gDevice->Clear(0, nullptr, gfx::kClearTarget, 0, 1.0f, 0);
    mGlowTargetDrawn = false;
    gDevice->SetRenderTarget(gBackBuffer, gDepthSurface);
    gDevice->SetRenderState(gfx::kRsZEnable, 1);
}
