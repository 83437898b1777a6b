// The device resources of the glow pass and the pass itself on the headless device.
#include "app/device_setup.h"
#include "app/frame.h"
#include "app/globals.h"
#include "engine/glow_shaders.h"
#include "support/resource_fixture.h"

namespace {

class ResourceGlow : public ResourceFixture {
protected:
    void SetUp() override
    {
        ResourceFixture::SetUp();
        gDevice->BeginScene();
    }
    void TearDown() override
    {
        gPulse = 0;
        ResourceFixture::TearDown();
    }
    static float Factor(uint32_t textureFactor) { return static_cast<float>(textureFactor >> 24); }
};

TEST(GlowShaders, TextsKeepTheirExactLengths)
{
    EXPECT_EQ(GlowVertexShaderText().size(), 112u);
    EXPECT_EQ(GlowPixelShaderText().size(), 159u);
    EXPECT_EQ(CopyVertexShaderText().size(), 65u);
    EXPECT_EQ(CopyPixelShaderText().size(), 73u);
    EXPECT_EQ(GlowVertexShaderText().substr(0, 14), "vs.1.1\t\t\t\t\t\t\t\n");
}

TEST_F(ResourceGlow, SetUpMakesShadersQuadSpriteDrawerAndStates)
{
    EXPECT_NE(rm->mGlowVertexShader, 0u);
    EXPECT_NE(rm->mGlowPixelShader, 0u);
    EXPECT_NE(rm->mCopyPixelShader, 0u);
    EXPECT_FALSE(rm->mCopyVertexShaderCode.empty());
    EXPECT_NE(rm->mSpriteDrawer, nullptr);
    ASSERT_NE(gQuadVertexBuffer, nullptr);
    EXPECT_EQ(gQuadVertexBuffer->GetLength(), 96u);
    EXPECT_EQ(gQuadVertexBuffer->GetFvf(), 0x104u);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsLighting), 1u);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAmbient), 0xFF0A0A0Au);
    EXPECT_EQ(gDevice->GetTextureStageState(0, gfx::kTssMagFilter), uint32_t(gfx::kFilterLinear));
    EXPECT_EQ(rm->mFontsLoaded, 1);
}

TEST_F(ResourceGlow, WithoutShaderSupportTheQuadIsStillMade)
{
    gShadersSupported = 0;
    ASSERT_EQ(rm->InitDeviceResources(), gfx::kOk);
    EXPECT_EQ(rm->mGlowVertexShader, 0u);
    ASSERT_NE(gQuadVertexBuffer, nullptr);
    EXPECT_EQ(gQuadVertexBuffer->GetLength(), 96u);
    gShadersSupported = 1;
}

TEST_F(ResourceGlow, ShadersThatCannotBeMadeTurnTheGlowOffAndEverythingElseIsStillMade)
{
    rm->ReleaseDeviceResources();
    rm->mFontsLoaded = 0;
    gSoundReady = 0;
    gDevice->SetRenderState(gfx::kRsLighting, 0);
    gDevice->SetRenderState(gfx::kRsAmbient, 0);
    // The first device call of the set-up is the glow vertex shader's creation.
    Device()->FailNextCall(gfx::kOutOfMemory);
    EXPECT_EQ(rm->InitDeviceResources(), gfx::kOutOfMemory);

    EXPECT_EQ(gShadersSupported, 0);
    EXPECT_EQ(gGlowEnabled, 0);
    EXPECT_EQ(rm->mGlowVertexShader, 0u);
    EXPECT_EQ(rm->mGlowPixelShader, 0u);
    EXPECT_EQ(rm->mCopyPixelShader, 0u);
    ASSERT_NE(gQuadVertexBuffer, nullptr);
    EXPECT_EQ(gQuadVertexBuffer->GetLength(), 96u);
    EXPECT_NE(rm->mSpriteDrawer, nullptr);
    EXPECT_EQ(gSoundReady, 1);
    EXPECT_NE(rm->mSoundDevice, nullptr);
    EXPECT_EQ(rm->mFontsLoaded, 1);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsLighting), 1u);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAmbient), 0xFF0A0A0Au);

    // The next device set-up tries the shaders again.
    ASSERT_EQ(InitDevice(true), gfx::kOk);
    EXPECT_EQ(gShadersSupported, 1);
    EXPECT_EQ(gGlowEnabled, 1);
    EXPECT_NE(Device()->FindVertexShader(rm->mGlowVertexShader), nullptr);
}

TEST_F(ResourceGlow, PulseZeroGivesEvenWeightsAndNoComposite)
{
    gPulse = 0;
    rm->DrawGlowPass();
    for (float k : gGlowWeights)
        EXPECT_FLOAT_EQ(k, 0.1f);
    // One downsample, four blur draws, one composite.
    ASSERT_EQ(Draws().size(), 6u);
    EXPECT_EQ(Draws().back().state.renderStates[gfx::kRsTextureFactor], 0x00FFFFFFu);
}

TEST_F(ResourceGlow, PulseFullGivesTheWeightsAndAnOpaqueComposite)
{
    gPulse = 255;
    rm->DrawGlowPass();
    EXPECT_FLOAT_EQ(gGlowWeights[0], 0.355f);
    EXPECT_FLOAT_EQ(gGlowWeights[1], 0.29125f);
    EXPECT_FLOAT_EQ(gGlowWeights[2], 0.2275f);
    EXPECT_FLOAT_EQ(gGlowWeights[3], 0.16375f);
    ASSERT_EQ(Draws().size(), 6u);

    const auto& down = Draws()[0];
    EXPECT_EQ(down.renderTarget, gBlurSurface);
    EXPECT_EQ(down.textures[0], gGlowTexture);
    EXPECT_EQ(down.state.pixelShader, 0u);
    EXPECT_EQ(down.state.vertexShader, rm->mGlowVertexShader);

    for (int i = 1; i <= 4; ++i) {
        const auto& blur = Draws()[i];
        EXPECT_EQ(blur.renderTarget, gBlurSurface);
        EXPECT_EQ(blur.textures[0], gBlurTexture);
        EXPECT_EQ(blur.state.pixelShader, rm->mGlowPixelShader);
        EXPECT_FLOAT_EQ(blur.state.psConstants[0].x, 0.355f);
        EXPECT_FLOAT_EQ(blur.state.psConstants[3].w, 0.16375f);
        EXPECT_EQ(blur.state.srcBlendFactor, uint32_t(gfx::kBlendDestAlpha));
    }
    // Tables 1 to 4: taps along -x, +x, -y, +y.
    EXPECT_FLOAT_EQ(Draws()[1].state.vsConstants[3].x, -3.0f);
    EXPECT_FLOAT_EQ(Draws()[2].state.vsConstants[3].x, 3.0f);
    EXPECT_FLOAT_EQ(Draws()[3].state.vsConstants[3].y, -3.0f);
    EXPECT_FLOAT_EQ(Draws()[4].state.vsConstants[3].y, 3.0f);

    const auto& composite = Draws()[5];
    EXPECT_EQ(composite.renderTarget, gBackBuffer);
    EXPECT_EQ(composite.depth, nullptr);
    EXPECT_EQ(composite.textures[0], gBlurTexture);
    EXPECT_EQ(composite.state.renderStates[gfx::kRsTextureFactor], 0xFFFFFFFFu);
    EXPECT_EQ(composite.state.renderStates[gfx::kRsSrcBlend], uint32_t(gfx::kBlendTextureFactorAlpha));
    EXPECT_EQ(composite.state.renderStates[gfx::kRsDestBlend], uint32_t(gfx::kBlendOne));
    EXPECT_EQ(composite.state.renderStates[gfx::kRsZEnable], 0u);

    // The glow target is emptied for the next frame and the back buffer drawn into again.
    ASSERT_FALSE(Device()->Clears().empty());
    EXPECT_EQ(Device()->Clears().back().target, gGlowSurface);
    EXPECT_EQ(Device()->Clears().back().color, 0u);
    gfx::Surface* target = nullptr;
    gDevice->GetRenderTarget(&target);
    EXPECT_EQ(target, gBackBuffer);
    target->Release();
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsZEnable), 1u);
}

TEST_F(ResourceGlow, NothingGlowingSinceTheLastPassDrawsNoQuadButKeepsTheTargetsAndClears)
{
    rm->DrawGlowPass();
    Device()->ClearRecords();
    rm->DrawGlowPass();
    EXPECT_TRUE(Draws().empty());
    ASSERT_EQ(Device()->Clears().size(), 2u);
    EXPECT_EQ(Device()->Clears().front().target, gBlurSurface);
    EXPECT_EQ(Device()->Clears().back().target, gGlowSurface);

    // A stage that makes colour of a zero texel would light the blur target: the quads stay.
    gDevice->SetTextureStageState(0, gfx::kTssColorOp, gfx::kTopSelectArg2);
    gDevice->SetTextureStageState(0, gfx::kTssColorArg2, gfx::kTaDiffuse);
    rm->DrawGlowPass();
    EXPECT_EQ(Draws().size(), 6u);
    Device()->ClearRecords();
    gDevice->SetTextureStageState(0, gfx::kTssColorOp, gfx::kTopModulate);
    rm->mGlowTargetDrawn = true;
    rm->DrawGlowPass();
    EXPECT_EQ(Draws().size(), 6u) << "something drawn into the glow target is blurred";
}

}  // namespace
