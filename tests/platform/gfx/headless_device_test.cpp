// The headless device: what it records, the states it keeps and the loss controls.
#include "platform/gfx/headless/headless_device.h"

#include <cstring>

#include <gtest/gtest.h>

#include "platform/gfx/math.h"

namespace gfx::headless {
namespace {

PresentParams GameParams()
{
    PresentParams p;
    p.backBufferWidth = 800;
    p.backBufferHeight = 600;
    p.backBufferFormat = kFormatA8R8G8B8;
    p.backBufferCount = 1;
    p.enableAutoDepthStencil = true;
    p.autoDepthStencilFormat = kFormatD16;
    return p;
}

struct ScreenVertex {
    float x, y, z, rhw, u, v;
};

class HeadlessDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        mSystem = CreateSystem(Backend::kHeadless);
        ASSERT_NE(mSystem, nullptr);
        Device* device = nullptr;
        ASSERT_EQ(mSystem->CreateDevice(0, kCreateHardwareVertexProcessing, GameParams(), &device), kOk);
        mDevice = AsHeadless(device);
        ASSERT_NE(mDevice, nullptr);
    }
    void TearDown() override
    {
        if (mDevice)
            mDevice->Release();
        if (mSystem)
            mSystem->Release();
    }

    System* mSystem = nullptr;
    HeadlessDevice* mDevice = nullptr;
};

TEST_F(HeadlessDeviceTest, RecordsADrawWithEverythingInForce)
{
    Texture* texture = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(64, 32, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture), kOk);
    Matrix world = MatrixIdentity();
    world.m[3][0] = 5.0f;
    Material material;
    material.ambient = ColorValue{0.5f, 0.5f, 0.5f, 0.5f};

    ASSERT_EQ(mDevice->BeginScene(), kOk);
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsSrcBlend, kBlendOne);
    mDevice->SetRenderState(kRsSrcBlend, kBlendTextureFactorAlpha);
    mDevice->SetRenderState(kRsTextureFactor, 0x80FFFFFF);
    mDevice->SetTexture(0, texture);
    mDevice->SetMaterial(material);
    mDevice->SetTransform(kTransformWorld, world);
    mDevice->SetVertexShader(kFvfXyzRhw | kFvfTex1);
    const ScreenVertex quad[4] = {{0, 0, 0, 1, 0, 0}, {10, 0, 0, 1, 1, 0}, {10, 10, 0, 1, 1, 1}, {0, 10, 0, 1, 0, 1}};
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(ScreenVertex)), kOk);
    ASSERT_EQ(mDevice->EndScene(), kOk);

    ASSERT_EQ(mDevice->Draws().size(), 1u);
    const DrawRecord& d = mDevice->Draws()[0];
    EXPECT_EQ(d.kind, DrawCallKind::kDrawPrimitiveUP);
    EXPECT_EQ(d.type, kPrimTriangleFan);
    EXPECT_EQ(d.primitiveCount, 2u);
    ASSERT_EQ(d.vertices.size(), sizeof quad);
    EXPECT_EQ(std::memcmp(d.vertices.data(), quad, sizeof quad), 0);
    EXPECT_EQ(d.textures[0], texture);
    EXPECT_EQ(d.state.renderStates[kRsSrcBlend], kBlendTextureFactorAlpha);
    EXPECT_EQ(d.state.srcBlendFactor, kBlendTextureFactorAlpha);
    EXPECT_EQ(d.state.renderStates[kRsTextureFactor], 0x80FFFFFFu);
    EXPECT_FLOAT_EQ(d.state.material.ambient.g, 0.5f);
    EXPECT_FLOAT_EQ(d.state.world.m[3][0], 5.0f);
    EXPECT_EQ(d.state.vertexShader, kFvfXyzRhw | kFvfTex1);
    Surface* back = nullptr;
    mDevice->GetBackBuffer(&back);
    EXPECT_EQ(d.renderTarget, back);
    back->Release();
    texture->Release();
}

TEST_F(HeadlessDeviceTest, ASmallSceneIsRecordedInOrderWithItsFrames)
{
    Texture* glow = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(800, 600, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &glow), kOk);
    Surface* glowSurface = nullptr;
    glow->GetSurfaceLevel(0, &glowSurface);
    Surface* back = nullptr;
    Surface* depth = nullptr;
    mDevice->GetBackBuffer(&back);
    mDevice->GetDepthStencilSurface(&depth);
    Surface* backdrop = nullptr;
    mDevice->CreateImageSurface(800, 600, kFormatA8R8G8B8, &backdrop);
    const float triangle[3 * 3] = {};
    const uint32_t indices[3] = {0, 1, 2};

    for (int frame = 0; frame < 2; ++frame) {
        mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0xFF000000, 1.0f, 0);
        mDevice->BeginScene();
        const Rect whole{0, 0, 800, 600};
        const Point origin{0, 0};
        mDevice->CopyRects(backdrop, &whole, 1, back, &origin);
        mDevice->SetVertexShader(kFvfXyz);
        mDevice->SetRenderState(kRsFillMode, frame == 0 ? kFillSolid : kFillWireframe);
        mDevice->DrawIndexedPrimitiveUP(kPrimTriangleList, 3, 1, indices, triangle, 12);
        mDevice->SetRenderTarget(glowSurface, depth);
        mDevice->DrawIndexedPrimitiveUP(kPrimTriangleList, 3, 1, indices, triangle, 12);
        mDevice->SetRenderTarget(back, depth);
        mDevice->EndScene();
        mDevice->Present();
    }

    ASSERT_EQ(mDevice->Draws().size(), 4u);
    ASSERT_EQ(mDevice->Clears().size(), 2u);
    ASSERT_EQ(mDevice->Copies().size(), 2u);
    EXPECT_EQ(mDevice->Copies()[1].dest, back);
    const auto& draws = mDevice->Draws();
    EXPECT_EQ(draws[0].renderTarget, back);
    EXPECT_EQ(draws[1].renderTarget, glowSurface);
    EXPECT_EQ(draws[1].depth, depth);
    EXPECT_EQ(draws[1].kind, DrawCallKind::kDrawIndexedPrimitiveUP);
    EXPECT_EQ(draws[0].frame, 0u);
    EXPECT_EQ(draws[2].frame, 1u);
    EXPECT_EQ(draws[0].state.renderStates[kRsFillMode], kFillSolid);
    EXPECT_EQ(draws[3].state.renderStates[kRsFillMode], kFillWireframe);
    EXPECT_EQ(mDevice->PresentCount(), 2u);

    backdrop->Release();
    glowSurface->Release();
    glow->Release();
    back->Release();
    depth->Release();
}

TEST_F(HeadlessDeviceTest, DrawsFromAVertexBufferReadFromTheStartVertex)
{
    VertexBuffer* vb = nullptr;
    ASSERT_EQ(mDevice->CreateVertexBuffer(96, kUsageWriteOnly, kFvfXyzRhw | kFvfTex1, kPoolManaged, &vb), kOk);
    void* data = nullptr;
    ASSERT_EQ(vb->Lock(0, 0, &data, 0), kOk);
    for (int i = 0; i < 24; ++i)
        static_cast<float*>(data)[i] = static_cast<float>(i);
    ASSERT_EQ(vb->Unlock(), kOk);
    mDevice->SetStreamSource(0, vb, 24);
    mDevice->SetVertexShader(kFvfXyzRhw | kFvfTex1);
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitive(kPrimLineList, 2, 1), kOk);
    // Four vertices of 24 bytes: a fan of two triangles from vertex 1 runs past the end.
    EXPECT_EQ(mDevice->DrawPrimitive(kPrimTriangleFan, 1, 2), kInvalidCall);
    mDevice->EndScene();

    ASSERT_EQ(mDevice->Draws().size(), 1u);
    const DrawRecord& d = mDevice->Draws()[0];
    EXPECT_EQ(d.kind, DrawCallKind::kDrawPrimitive);
    ASSERT_EQ(d.vertices.size(), 48u);
    float first = 0;
    std::memcpy(&first, d.vertices.data(), 4);
    EXPECT_EQ(first, 12.0f);
    vb->Release();
}

TEST_F(HeadlessDeviceTest, RefusesDrawsItCannotDoSafely)
{
    const float vertices[3 * 3] = {};
    mDevice->SetVertexShader(kFvfXyz);
    EXPECT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, vertices, 12), kInvalidCall) << "outside a scene";
    mDevice->BeginScene();
    const uint32_t badIndices[3] = {0, 1, 3};
    const uint32_t indices[3] = {2, 1, 0};
    EXPECT_EQ(mDevice->DrawIndexedPrimitiveUP(kPrimTriangleList, 3, 1, badIndices, vertices, 12), kInvalidCall);
    EXPECT_EQ(mDevice->DrawIndexedPrimitiveUPUpTo(kPrimTriangleList, 3, 1, indices, 3, vertices, 12), kInvalidCall)
        << "a known largest index beyond the vertices";
    EXPECT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, vertices, 8), kInvalidCall) << "stride below the format";
    EXPECT_EQ(mDevice->DrawPrimitive(kPrimTriangleList, 0, 1), kInvalidCall) << "no stream source";
    EXPECT_EQ(mDevice->DrawIndexedPrimitiveUP(kPrimTriangleList, 3, 1, indices, vertices, 12), kOk);
    mDevice->EndScene();
    ASSERT_EQ(mDevice->Draws().size(), 1u);
    EXPECT_EQ(mDevice->Draws()[0].indices, std::vector<uint32_t>({2, 1, 0}));
}

TEST_F(HeadlessDeviceTest, StatesPersistAcrossFramesAndResetRestoresDefaults)
{
    EXPECT_EQ(mDevice->GetRenderState(kRsCullMode), kCullCcw);
    EXPECT_EQ(mDevice->GetRenderState(kRsLighting), 1u);
    EXPECT_EQ(mDevice->GetRenderState(kRsZEnable), 1u);
    EXPECT_EQ(mDevice->GetRenderState(kRsTextureFactor), 0xFFFFFFFFu);
    EXPECT_EQ(mDevice->GetTextureStageState(0, kTssColorOp), kTopModulate);
    EXPECT_EQ(mDevice->GetTextureStageState(1, kTssColorOp), kTopDisable);

    mDevice->SetRenderState(kRsAmbient, 0xFF0A0A0A);
    mDevice->SetTextureStageState(0, kTssMagFilter, kFilterLinear);
    for (int frame = 0; frame < 3; ++frame) {
        mDevice->BeginScene();
        mDevice->EndScene();
        ASSERT_EQ(mDevice->Present(), kOk);
    }
    EXPECT_EQ(mDevice->GetRenderState(kRsAmbient), 0xFF0A0A0Au);
    EXPECT_EQ(mDevice->GetTextureStageState(0, kTssMagFilter), kFilterLinear);
    EXPECT_EQ(mDevice->PresentCount(), 3u);

    ASSERT_EQ(mDevice->Reset(GameParams()), kOk);
    EXPECT_EQ(mDevice->GetRenderState(kRsAmbient), 0u);
    EXPECT_EQ(mDevice->GetTextureStageState(0, kTssMagFilter), kFilterPoint);
}

TEST_F(HeadlessDeviceTest, UndefinedBlendValuesKeepTheFactorInForce)
{
    mDevice->SetRenderState(kRsSrcBlend, kBlendSrcAlpha);
    mDevice->SetRenderState(kRsSrcBlend, 13);
    EXPECT_EQ(mDevice->GetRenderState(kRsSrcBlend), 13u) << "the value reads back as set";
    EXPECT_EQ(mDevice->State().srcBlendFactor, kBlendSrcAlpha);
    mDevice->SetRenderState(kRsDestBlend, 99);
    EXPECT_EQ(mDevice->State().destBlendFactor, kBlendZero);
    mDevice->SetRenderState(kRsSrcBlend, kBlendTextureFactorAlpha);
    EXPECT_EQ(mDevice->State().srcBlendFactor, kBlendTextureFactorAlpha);
}

TEST_F(HeadlessDeviceTest, RenderTargetChangesResetTheViewportAndDepth)
{
    Texture* blur = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(400, 300, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &blur), kOk);
    Surface* blurSurface = nullptr;
    ASSERT_EQ(blur->GetSurfaceLevel(0, &blurSurface), kOk);
    Surface* back = nullptr;
    Surface* depth = nullptr;
    mDevice->GetBackBuffer(&back);
    mDevice->GetDepthStencilSurface(&depth);
    EXPECT_EQ(back->GetDesc().width, 800u);
    EXPECT_EQ(depth->GetDesc().format, kFormatD16);

    ASSERT_EQ(mDevice->SetRenderTarget(blurSurface, nullptr), kOk);
    EXPECT_EQ(mDevice->GetViewport().width, 400u);
    EXPECT_EQ(mDevice->GetViewport().height, 300u);
    // With no depth surface bound a depth clear touches nothing.
    ASSERT_EQ(mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0, 1.0f, 0), kOk);
    ASSERT_EQ(mDevice->Clears().size(), 1u);
    EXPECT_EQ(mDevice->Clears()[0].flags, static_cast<uint32_t>(kClearTarget));
    EXPECT_EQ(mDevice->Clears()[0].target, blurSurface);
    EXPECT_EQ(mDevice->Clears()[0].rect.right, 400);

    ASSERT_EQ(mDevice->SetRenderTarget(back, depth), kOk);
    EXPECT_EQ(mDevice->GetViewport().width, 800u);
    EXPECT_EQ(mDevice->SetRenderTarget(depth, nullptr), kInvalidCall) << "a depth surface is not a colour target";
    Surface* image = nullptr;
    mDevice->CreateImageSurface(800, 600, kFormatA8R8G8B8, &image);
    EXPECT_EQ(mDevice->SetRenderTarget(image, nullptr), kInvalidCall);

    image->Release();
    blurSurface->Release();
    blur->Release();
    back->Release();
    depth->Release();
}

TEST_F(HeadlessDeviceTest, ObjectsReleasedWhileBoundAreUnbound)
{
    Texture* texture = nullptr;
    mDevice->CreateTexture(8, 8, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture);
    mDevice->SetTexture(0, texture);
    EXPECT_EQ(mDevice->GetTexture(0), texture);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(mDevice->GetTexture(0), nullptr);

    Texture* target = nullptr;
    mDevice->CreateTexture(400, 300, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &target);
    Surface* level = nullptr;
    target->GetSurfaceLevel(0, &level);
    // The level keeps its texture alive after the texture's own reference is gone.
    EXPECT_EQ(target->Release(), 1u);
    mDevice->SetRenderTarget(level, nullptr);
    level->Release();
    Surface* current = nullptr;
    EXPECT_EQ(mDevice->GetRenderTarget(&current), kNotFound);
    const float vertices[9] = {};
    mDevice->SetVertexShader(kFvfXyz);
    mDevice->BeginScene();
    EXPECT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, vertices, 12), kInvalidCall);
    mDevice->EndScene();
}

TEST_F(HeadlessDeviceTest, CopyRectsCopiesRawPixelsAndRefusesRectanglesOutside)
{
    Surface* from = nullptr;
    Surface* to = nullptr;
    mDevice->CreateImageSurface(4, 2, kFormatA8R8G8B8, &from);
    mDevice->CreateImageSurface(4, 2, kFormatA8R8G8B8, &to);
    void* bits = nullptr;
    int32_t pitch = 0;
    ASSERT_EQ(from->LockRect(&bits, &pitch), kOk);
    EXPECT_EQ(pitch, 16);
    for (uint32_t i = 0; i < 8; ++i)
        static_cast<uint32_t*>(bits)[i] = 0x10000000u * i + i;
    from->UnlockRect();

    const Rect half{0, 0, 2, 2};
    const Point origin{0, 0};
    ASSERT_EQ(mDevice->CopyRects(from, &half, 1, to, &origin), kOk);
    ASSERT_EQ(to->LockRect(&bits, &pitch), kOk);
    const auto* px = static_cast<uint32_t*>(bits);
    EXPECT_EQ(px[1], 0x10000001u) << "alpha copied as it is";
    EXPECT_EQ(px[5], 0x50000005u);
    EXPECT_EQ(px[2], 0u) << "right half untouched";
    to->UnlockRect();

    const Rect tooWide{0, 0, 5, 2};
    EXPECT_EQ(mDevice->CopyRects(from, &tooWide, 1, to, &origin), kInvalidCall);
    const Point offside{3, 0};
    EXPECT_EQ(mDevice->CopyRects(from, &half, 1, to, &offside), kInvalidCall);

    Surface* back = nullptr;
    mDevice->GetBackBuffer(&back);
    EXPECT_EQ(mDevice->CopyRects(back, nullptr, 0, to, nullptr), kInvalidCall) << "the back buffer is not readable";
    back->Release();
    from->Release();
    to->Release();
}

TEST_F(HeadlessDeviceTest, ShaderHandlesKeepTheirCodeAndConstantsPersist)
{
    const uint32_t declaration[] = {0x20000000, 0x40030000, 0x40010007, 0xFFFFFFFF};
    const uint8_t code[] = {1, 2, 3, 4, 5, 6, 7, 8};
    uint32_t vs = 0, ps = 0;
    ASSERT_EQ(mDevice->CreateVertexShader(declaration, code, sizeof code, &vs), kOk);
    ASSERT_EQ(mDevice->CreatePixelShader(code, 4, &ps), kOk);
    EXPECT_NE(vs & kShaderHandleBit, 0u);
    EXPECT_NE(ps, 0u);
    ASSERT_NE(mDevice->FindVertexShader(vs), nullptr);
    EXPECT_EQ(mDevice->FindVertexShader(vs)->declaration.size(), 4u);
    EXPECT_EQ(mDevice->FindPixelShader(ps)->function.size(), 4u);

    const float table[16] = {0, 0, 0, 0, -1, 0, 0, 0, -2, 0, 0, 0, -3, 0, 0, 0};
    ASSERT_EQ(mDevice->SetVertexShaderConstant(0, table, 4), kOk);
    EXPECT_EQ(mDevice->SetPixelShaderConstant(6, table, 4), kInvalidCall) << "past the eight registers";
    mDevice->SetVertexShader(vs);
    mDevice->SetPixelShader(ps);
    const float quad[4 * 6] = {};
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, 24);
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, 24);
    mDevice->EndScene();
    ASSERT_EQ(mDevice->Draws().size(), 2u);
    EXPECT_EQ(mDevice->Draws()[1].state.vertexShader, vs);
    EXPECT_EQ(mDevice->Draws()[1].state.pixelShader, ps);
    EXPECT_FLOAT_EQ(mDevice->Draws()[1].state.vsConstants[3].x, -3.0f);

    ASSERT_EQ(mDevice->DeleteVertexShader(vs), kOk);
    EXPECT_EQ(mDevice->GetVertexShader(), 0u);
    EXPECT_EQ(mDevice->SetVertexShader(vs), kInvalidCall);
    EXPECT_EQ(mDevice->DeleteVertexShader(vs), kInvalidCall);
}

TEST_F(HeadlessDeviceTest, LostDeviceShowsNothingUntilReset)
{
    mDevice->ReportCooperativeLevel(kDeviceLost);
    EXPECT_EQ(mDevice->TestCooperativeLevel(), kDeviceLost);
    EXPECT_EQ(mDevice->Present(), kDeviceLost);
    EXPECT_EQ(mDevice->Reset(GameParams()), kDeviceLost) << "a lost device cannot be reset yet";

    mDevice->ReportCooperativeLevel(kDeviceNotReset);
    EXPECT_EQ(mDevice->TestCooperativeLevel(), kDeviceNotReset);
    mDevice->FailNextReset();
    EXPECT_EQ(mDevice->Reset(GameParams()), kInvalidCall);
    EXPECT_EQ(mDevice->TestCooperativeLevel(), kDeviceNotReset);
    EXPECT_EQ(mDevice->ResetCount(), 0u);

    // A render target, or a surface of one, still held refuses the reset; managed textures do not.
    Texture* target = nullptr;
    Texture* managed = nullptr;
    Surface* level = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(8, 8, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &target), kOk);
    ASSERT_EQ(mDevice->CreateTexture(8, 8, 1, 0, kFormatA8R8G8B8, kPoolManaged, &managed), kOk);
    ASSERT_EQ(target->GetSurfaceLevel(0, &level), kOk);
    EXPECT_EQ(mDevice->LiveDefaultPoolObjects(), 1u);
    target->Release();
    EXPECT_EQ(mDevice->Reset(GameParams()), kInvalidCall);
    level->Release();
    EXPECT_EQ(mDevice->LiveDefaultPoolObjects(), 0u);

    ASSERT_EQ(mDevice->Reset(GameParams()), kOk);
    managed->Release();
    EXPECT_EQ(mDevice->TestCooperativeLevel(), kOk);
    EXPECT_EQ(mDevice->Present(), kOk);
    EXPECT_EQ(mDevice->PresentCount(), 1u);
    EXPECT_EQ(mDevice->ResetCount(), 1u);
}

TEST_F(HeadlessDeviceTest, AFailedCallDoesNothingAndOnlyTheNextOneFails)
{
    mDevice->FailNextCall(kOutOfMemory);
    Texture* texture = reinterpret_cast<Texture*>(1);
    EXPECT_EQ(mDevice->CreateTexture(8, 8, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture), kOutOfMemory);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(mDevice->SetRenderState(kRsZEnable, 0), kOk);
    mDevice->FailNextCall();
    EXPECT_EQ(mDevice->SetRenderState(kRsZEnable, 1), kFail);
    EXPECT_EQ(mDevice->GetRenderState(kRsZEnable), 0u);
}

TEST(HeadlessSystemTest, CreateDeviceCanBeMadeToFail)
{
    System* system = CreateSystem(Backend::kHeadless);
    HeadlessSystem* headless = AsHeadless(system);
    ASSERT_NE(headless, nullptr);
    DisplayMode mode;
    EXPECT_EQ(system->GetAdapterDisplayMode(0, &mode), kOk);
    DeviceCaps caps;
    ASSERT_EQ(system->GetDeviceCaps(0, &caps), kOk);
    EXPECT_GE(caps.pixelShaderVersion, 0xFFFF0101u);
    EXPECT_NE(caps.fvfCaps & kFvfCapsPSize, 0u);
    EXPECT_NE(caps.srcBlendCaps & 0x1B, 0u);

    headless->FailNextCreateDevice();
    Device* device = nullptr;
    EXPECT_EQ(system->CreateDevice(0, 0, GameParams(), &device), kNotAvailable);
    EXPECT_EQ(device, nullptr);
    ASSERT_EQ(system->CreateDevice(0, 0, GameParams(), &device), kOk);
    EXPECT_EQ(device->Release(), 0u);
    PresentParams bad = GameParams();
    bad.backBufferWidth = 0;
    EXPECT_EQ(system->CreateDevice(0, 0, bad, &device), kInvalidCall);
    system->Release();
}

}  // namespace
}  // namespace gfx::headless
