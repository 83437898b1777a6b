// The sprite drawer on the headless device: the quads it sends and the state it keeps apart.
#include "platform/gfx/sprite.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/gfx/headless/headless_device.h"
#include "platform/gfx/math.h"

namespace gfx {
namespace {

struct SpriteVertex {
    float x, y, z, rhw;
    uint32_t color;
    float u, v;
};

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mSystem = CreateSystem(Backend::kHeadless);
        PresentParams p;
        p.backBufferWidth = 800;
        p.backBufferHeight = 600;
        p.backBufferFormat = kFormatA8R8G8B8;
        p.enableAutoDepthStencil = true;
        Device* device = nullptr;
        ASSERT_EQ(mSystem->CreateDevice(0, 0, p, &device), kOk);
        mDevice = headless::AsHeadless(device);
        ASSERT_EQ(Sprite::Create(mDevice, &mSprite), kOk);
        ASSERT_EQ(mDevice->CreateTexture(128, 64, 1, 0, kFormatA8R8G8B8, kPoolManaged, &mSheet), kOk);
        mDevice->BeginScene();
    }
    void TearDown() override
    {
        mDevice->EndScene();
        mSheet->Release();
        mSprite->Release();
        mDevice->Release();
        mSystem->Release();
    }
    std::vector<SpriteVertex> Quad(size_t draw)
    {
        const auto& bytes = mDevice->Draws().at(draw).vertices;
        std::vector<SpriteVertex> quad(bytes.size() / sizeof(SpriteVertex));
        std::memcpy(quad.data(), bytes.data(), quad.size() * sizeof(SpriteVertex));
        return quad;
    }

    System* mSystem = nullptr;
    headless::HeadlessDevice* mDevice = nullptr;
    Sprite* mSprite = nullptr;
    Texture* mSheet = nullptr;
};

TEST_F(SpriteTest, ASheetCellIsScaledAboutItsCornerAndPlaced)
{
    // Frame 7 of 32-pixel cells, 3 per row: column 1, row 2.
    const Rect cell{32, 64, 64, 96};
    const Matrix m = MatrixMultiply(MatrixScaling(2.0f, 0.5f, 1.0f), MatrixTranslation(100, 50, 0));
    ASSERT_EQ(mSprite->Begin(), kOk);
    ASSERT_EQ(mSprite->DrawTransform(mSheet, &cell, m, 0x80FF0000), kOk);
    ASSERT_EQ(mSprite->End(), kOk);

    ASSERT_EQ(mDevice->Draws().size(), 1u);
    const auto& d = mDevice->Draws()[0];
    EXPECT_EQ(d.type, kPrimTriangleFan);
    EXPECT_EQ(d.primitiveCount, 2u);
    EXPECT_EQ(d.textures[0], mSheet);
    EXPECT_EQ(d.state.vertexShader, kFvfXyzRhw | kFvfDiffuse | kFvfTex1);
    const auto q = Quad(0);
    ASSERT_EQ(q.size(), 4u);
    // Corners sit half a pixel back so texels land on pixel centres.
    EXPECT_FLOAT_EQ(q[0].x, 99.5f);
    EXPECT_FLOAT_EQ(q[0].y, 49.5f);
    EXPECT_FLOAT_EQ(q[2].x, 100 + 64 - 0.5f);
    EXPECT_FLOAT_EQ(q[2].y, 50 + 16 - 0.5f);
    EXPECT_FLOAT_EQ(q[0].u, 32.0f / 128);
    EXPECT_FLOAT_EQ(q[0].v, 1.0f);
    EXPECT_FLOAT_EQ(q[2].u, 0.5f);
    EXPECT_FLOAT_EQ(q[2].v, 1.5f);
    for (const auto& v : q)
        EXPECT_EQ(v.color, 0x80FF0000u);
}

TEST_F(SpriteTest, WholeImageAndMirroring)
{
    ASSERT_EQ(mSprite->Begin(), kOk);
    ASSERT_EQ(mSprite->DrawTransform(mSheet, nullptr, MatrixScaling(-1.0f, 1.0f, 1.0f), 0xFFFFFFFF), kOk);
    mSprite->End();
    const auto q = Quad(0);
    EXPECT_FLOAT_EQ(q[1].x, -128.5f) << "a negative scale mirrors to the left of the corner";
    EXPECT_FLOAT_EQ(q[1].u, 1.0f);
    EXPECT_FLOAT_EQ(q[3].y, 63.5f);
}

TEST_F(SpriteTest, DrawsWithItsOwnStateAndRestoresTheCallers)
{
    Texture* other = nullptr;
    mDevice->CreateTexture(4, 4, 1, 0, kFormatA8R8G8B8, kPoolManaged, &other);
    // What a translucent sprite of the game sets before the drawer begins.
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsSrcBlend, kBlendOne);
    mDevice->SetRenderState(kRsDestBlend, kBlendOne);
    mDevice->SetRenderState(kRsSrcBlend, kBlendTextureFactorAlpha);
    mDevice->SetRenderState(kRsAlphaTestEnable, 1);
    mDevice->SetRenderState(kRsAlphaFunc, kCmpGreaterEqual);
    mDevice->SetRenderState(kRsAlphaRef, 8);
    mDevice->SetTextureStageState(0, kTssAlphaOp, kTopSelectArg1);
    mDevice->SetTexture(0, other);
    mDevice->SetVertexShader(kFvfXyz | kFvfNormal | kFvfTex1);

    ASSERT_EQ(mSprite->Begin(), kOk);
    ASSERT_EQ(mSprite->DrawTransform(mSheet, nullptr, MatrixIdentity(), 0xFFFFFFFF), kOk);
    ASSERT_EQ(mSprite->End(), kOk);

    const DeviceState& drawn = mDevice->Draws().at(0).state;
    EXPECT_EQ(drawn.renderStates[kRsAlphaBlendEnable], 1u);
    EXPECT_EQ(drawn.srcBlendFactor, kBlendSrcAlpha);
    EXPECT_EQ(drawn.destBlendFactor, kBlendInvSrcAlpha);
    EXPECT_EQ(drawn.renderStates[kRsLighting], 0u);
    EXPECT_EQ(drawn.renderStates[kRsCullMode], kCullNone);
    EXPECT_EQ(drawn.renderStates[kRsZEnable], 0u);
    EXPECT_EQ(drawn.stageStates[0][kTssAlphaOp], kTopModulate);
    EXPECT_EQ(drawn.stageStates[0][kTssColorArg2], kTaDiffuse);

    EXPECT_EQ(mDevice->GetRenderState(kRsSrcBlend), kBlendTextureFactorAlpha);
    EXPECT_EQ(mDevice->State().srcBlendFactor, kBlendTextureFactorAlpha);
    EXPECT_EQ(mDevice->GetRenderState(kRsDestBlend), kBlendOne);
    EXPECT_EQ(mDevice->GetRenderState(kRsAlphaRef), 8u);
    EXPECT_EQ(mDevice->GetRenderState(kRsAlphaFunc), kCmpGreaterEqual);
    EXPECT_EQ(mDevice->GetRenderState(kRsLighting), 1u);
    EXPECT_EQ(mDevice->GetRenderState(kRsCullMode), kCullCcw);
    EXPECT_EQ(mDevice->GetRenderState(kRsZEnable), 1u);
    EXPECT_EQ(mDevice->GetTextureStageState(0, kTssAlphaOp), kTopSelectArg1);
    EXPECT_EQ(mDevice->GetTexture(0), other);
    EXPECT_EQ(mDevice->GetVertexShader(), kFvfXyz | kFvfNormal | kFvfTex1);
    other->Release();
}

TEST_F(SpriteTest, CallsOutOfOrderAndMissingTexturesDrawNothing)
{
    EXPECT_EQ(mSprite->DrawTransform(mSheet, nullptr, MatrixIdentity(), 0xFFFFFFFF), kInvalidCall);
    EXPECT_EQ(mSprite->End(), kInvalidCall);
    ASSERT_EQ(mSprite->Begin(), kOk);
    EXPECT_EQ(mSprite->Begin(), kInvalidCall);
    EXPECT_EQ(mSprite->DrawTransform(nullptr, nullptr, MatrixIdentity(), 0xFFFFFFFF), kInvalidCall);
    EXPECT_EQ(mSprite->End(), kOk);
    EXPECT_TRUE(mDevice->Draws().empty());
}

TEST_F(SpriteTest, DrawBuildsScaleRotationAndTranslation)
{
    const Vector2 scale{2, 2}, at{10, 20};
    ASSERT_EQ(mSprite->Begin(), kOk);
    ASSERT_EQ(mSprite->Draw(mSheet, nullptr, &scale, nullptr, 0.0f, &at, 0xFFFFFFFF), kOk);
    mSprite->End();
    const auto q = Quad(0);
    EXPECT_FLOAT_EQ(q[0].x, 9.5f);
    EXPECT_FLOAT_EQ(q[2].x, 10 + 256 - 0.5f);
    EXPECT_FLOAT_EQ(q[2].y, 20 + 128 - 0.5f);
}

}  // namespace
}  // namespace gfx
