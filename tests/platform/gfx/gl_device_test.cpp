// Pixels the OpenGL device draws, checked on Mesa's software renderer.
#include "platform/gfx/gl/gl_device.h"

#include <cstring>

#include "gl_test_support.h"
#include "platform/gfx/math.h"
#include "platform/gfx/shader_asm.h"

namespace gfx::gl {
namespace {

struct ColorVertex {
    float x, y, z, rhw;
    uint32_t color;
};

struct TexturedVertex {
    float x, y, z, rhw;
    uint32_t color;
    float u, v;
};

struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};

constexpr uint32_t kColorFvf = kFvfXyzRhw | kFvfDiffuse;
constexpr uint32_t kTexturedFvf = kFvfXyzRhw | kFvfDiffuse | kFvfTex1;

class GlDeviceTest : public GlPixelTest {
protected:
    // A screen rectangle, clockwise on screen.
    Result FillRect(float l, float t, float r, float b, uint32_t color)
    {
        const ColorVertex quad[4] = {
            {l, t, 0, 1, color}, {r, t, 0, 1, color}, {r, b, 0, 1, color}, {l, b, 0, 1, color}};
        mDevice->SetVertexShader(kColorFvf);
        return mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(ColorVertex));
    }
    Result TexturedRect(float l, float t, float r, float b, uint32_t color)
    {
        const TexturedVertex quad[4] = {{l - 0.5f, t - 0.5f, 0, 1, color, 0, 0},
                                        {r - 0.5f, t - 0.5f, 0, 1, color, 1, 0},
                                        {r - 0.5f, b - 0.5f, 0, 1, color, 1, 1},
                                        {l - 0.5f, b - 0.5f, 0, 1, color, 0, 1}};
        mDevice->SetVertexShader(kTexturedFvf);
        return mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(TexturedVertex));
    }
    Texture* SolidTexture(uint32_t width, uint32_t height, uint32_t (*color)(uint32_t x, uint32_t y))
    {
        Texture* texture = nullptr;
        EXPECT_EQ(mDevice->CreateTexture(width, height, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture), kOk);
        void* bits = nullptr;
        int32_t pitch = 0;
        texture->LockRect(0, &bits, &pitch);
        for (uint32_t y = 0; y < height; ++y)
            for (uint32_t x = 0; x < width; ++x)
                static_cast<uint32_t*>(bits)[y * width + x] = color(x, y);
        texture->UnlockRect(0);
        return texture;
    }
};

TEST(GlPresent, TheFrameKeepsFourByThreeWithBars)
{
    const Rect wide = FrameRectInWindow(1920, 1080);
    EXPECT_EQ(wide.left, 240);
    EXPECT_EQ(wide.right, 1680);
    EXPECT_EQ(wide.top, 0);
    EXPECT_EQ(wide.bottom, 1080);
    const Rect tall = FrameRectInWindow(800, 1000);
    EXPECT_EQ(tall.left, 0);
    EXPECT_EQ(tall.right, 800);
    EXPECT_EQ(tall.top, 200);
    EXPECT_EQ(tall.bottom, 800);
    const Rect exact = FrameRectInWindow(1024, 768);
    EXPECT_EQ(exact.right - exact.left, 1024);
    EXPECT_EQ(exact.bottom - exact.top, 768);
}

TEST_F(GlDeviceTest, ClearFillsTheWholeFrameWithTheColourAndAlpha)
{
    ASSERT_EQ(mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0x80336699, 1.0f, 0), kOk);
    EXPECT_EQ(Pixel(0, 0), 0x80336699u);
    EXPECT_EQ(Pixel(799, 599), 0x80336699u);
    const Rect corner{0, 0, 10, 10};
    ASSERT_EQ(mDevice->Clear(1, &corner, kClearTarget, 0xFFFF0000, 1.0f, 0), kOk);
    EXPECT_EQ(Pixel(9, 9), 0xFFFF0000u) << "rows are top-down: the rectangle is at the top left";
    EXPECT_EQ(Pixel(10, 10), 0x80336699u);
    EXPECT_EQ(mDevice->Present(), kOk);
}

TEST_F(GlDeviceTest, ClockwiseScreenTrianglesAreDrawnAndCounterClockwiseOnesCulled)
{
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->SetVertexShader(kColorFvf);
    const ColorVertex front[3] = {
        {100, 100, 0, 1, 0xFF00FF00}, {200, 100, 0, 1, 0xFF00FF00}, {100, 200, 0, 1, 0xFF00FF00}};
    const ColorVertex back[3] = {
        {300, 100, 0, 1, 0xFFFF0000}, {300, 200, 0, 1, 0xFFFF0000}, {400, 100, 0, 1, 0xFFFF0000}};
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, front, sizeof(ColorVertex)), kOk);
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, back, sizeof(ColorVertex)), kOk);
    mDevice->SetRenderState(kRsCullMode, kCullNone);
    mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, back, sizeof(ColorVertex));
    mDevice->EndScene();
    EXPECT_EQ(Pixel(120, 120), 0xFF00FF00u);
    EXPECT_EQ(Pixel(320, 120), 0xFFFF0000u) << "drawn once culling is off";
    // Pixel centres on whole coordinates: the edge at x = 100 includes column 100.
    EXPECT_EQ(Pixel(100, 150), 0xFF00FF00u);
    EXPECT_EQ(Pixel(99, 150), 0xFF000000u);
}

TEST_F(GlDeviceTest, BackdropCopiedWithHalfWidthLeavesTheRightHalfBlack)
{
    Surface* backdrop = nullptr;
    ASSERT_EQ(mDevice->CreateImageSurface(800, 600, kFormatA8R8G8B8, &backdrop), kOk);
    void* bits = nullptr;
    int32_t pitch = 0;
    backdrop->LockRect(&bits, &pitch);
    for (uint32_t y = 0; y < 600; ++y)
        for (uint32_t x = 0; x < 800; ++x)
            static_cast<uint32_t*>(bits)[y * 800 + x] = 0x80000040u | ((x & 0xFF) << 16) | ((y & 0xFF) << 8);
    backdrop->UnlockRect();

    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    // Blending and alpha test on: the copy ignores both.
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsAlphaTestEnable, 1);
    const Rect half{0, 0, 400, 600};
    const Point origin{0, 0};
    ASSERT_EQ(mDevice->CopyRects(backdrop, &half, 1, mBack, &origin), kOk);
    EXPECT_EQ(Pixel(10, 20), 0x800A1440u);
    EXPECT_EQ(Pixel(399, 599), 0x80 << 24 | (399 & 0xFF) << 16 | (599 & 0xFF) << 8 | 0x40u);
    EXPECT_EQ(Pixel(400, 300), 0xFF000000u);
    EXPECT_EQ(Pixel(799, 0), 0xFF000000u);
    backdrop->Release();
}

TEST_F(GlDeviceTest, LitTexturedQuadTakesEmissivePlusAmbientTimesMaterial)
{
    Texture* texture = SolidTexture(4, 4, [](uint32_t, uint32_t) { return 0xFF4080C0u; });
    Material material;
    material.diffuse = material.ambient = material.specular = material.emissive = ColorValue{0.5f, 0.5f, 0.5f, 0.5f};
    mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0xFF000000, 1.0f, 0);
    mDevice->SetRenderState(kRsAmbient, 0xFF0A0A0A);
    mDevice->SetMaterial(material);
    mDevice->SetTexture(0, texture);
    mDevice->SetVertexShader(kFvfXyz | kFvfNormal | kFvfTex1);
    // Identity transforms: positions are clip space; clockwise on screen.
    const LitVertex quad[4] = {{-0.5f, 0.5f, 0.5f, 0, 0, -1, 0, 0},
                               {0.5f, 0.5f, 0.5f, 0, 0, -1, 1, 0},
                               {0.5f, -0.5f, 0.5f, 0, 0, -1, 1, 1},
                               {-0.5f, -0.5f, 0.5f, 0, 0, -1, 0, 1}};
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(LitVertex)), kOk);
    mDevice->EndScene();
    // 0.5 + (10 / 255) x 0.5 = 0.5196 of the texture; alpha is the texture's.
    EXPECT_TRUE(Near(Pixel(400, 300), 0xFF214263u)) << std::hex << Pixel(400, 300);

    // The brightness slider works through the ambient state alone.
    mDevice->SetRenderState(kRsAmbient, 0xFFFAFAFA);
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, sizeof(LitVertex));
    mDevice->EndScene();
    EXPECT_TRUE(Near(Pixel(400, 300), 0xFF3F7EBDu)) << std::hex << Pixel(400, 300);
    texture->Release();
}

TEST_F(GlDeviceTest, AnEnabledDirectionalLightAddsDiffuseByTheAngle)
{
    Material material;
    material.diffuse = ColorValue{0.5f, 1.0f, 0.25f, 1.0f};
    Light light;
    light.type = kLightDirectional;
    light.diffuse = ColorValue{1, 1, 1, 1};
    light.direction = Vector3{0, 0, 1};
    mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0xFF000000, 1.0f, 0);
    mDevice->SetMaterial(material);
    ASSERT_EQ(mDevice->SetLight(0, light), kOk);
    ASSERT_EQ(mDevice->LightEnable(0, true), kOk);
    mDevice->SetVertexShader(kFvfXyz | kFvfNormal | kFvfTex1);
    // Facing the light head on, then turned 60 degrees away from it.
    const float c = 0.5f, s = 0.8660254f;
    const LitVertex facing[4] = {{-0.9f, 0.5f, 0.5f, 0, 0, -1, 0, 0},
                                 {-0.1f, 0.5f, 0.5f, 0, 0, -1, 1, 0},
                                 {-0.1f, -0.5f, 0.5f, 0, 0, -1, 1, 1},
                                 {-0.9f, -0.5f, 0.5f, 0, 0, -1, 0, 1}};
    const LitVertex turned[4] = {{0.1f, 0.5f, 0.5f, s, 0, -c, 0, 0},
                                 {0.9f, 0.5f, 0.5f, s, 0, -c, 1, 0},
                                 {0.9f, -0.5f, 0.5f, s, 0, -c, 1, 1},
                                 {0.1f, -0.5f, 0.5f, s, 0, -c, 0, 1}};
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, facing, sizeof(LitVertex));
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, turned, sizeof(LitVertex));
    mDevice->EndScene();
    EXPECT_TRUE(Near(Pixel(200, 300), 0xFF80FF40u)) << std::hex << Pixel(200, 300);
    EXPECT_TRUE(Near(Pixel(600, 300), 0xFF408020u)) << std::hex << Pixel(600, 300);
    mDevice->LightEnable(0, false);
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, facing, sizeof(LitVertex));
    mDevice->EndScene();
    EXPECT_EQ(Pixel(200, 300), 0xFF000000u) << "no light and no ambient: black";
}

TEST_F(GlDeviceTest, DepthTestKeepsTheNearerSurfaceWithAPerspectiveCamera)
{
    mDevice->Clear(0, nullptr, kClearTarget | kClearZBuffer, 0xFF000000, 1.0f, 0);
    mDevice->SetRenderState(kRsLighting, 0);
    mDevice->SetTransform(kTransformProjection, MatrixPerspectiveFovLH(0.785398f, 800.0f / 600.0f, 1.0f, 1000.0f));
    mDevice->SetTransform(kTransformView, MatrixLookAtLH({0, 0, -30}, {0, 0, 1}, {0, 1, 0}));
    struct V {
        float x, y, z;
        uint32_t color;
    };
    auto square = [](float z, uint32_t c) {
        return std::vector<V>{{-5, 5, z, c}, {5, 5, z, c}, {5, -5, z, c}, {-5, -5, z, c}};
    };
    const auto nearRed = square(30, 0xFFFF0000), farGreen = square(50, 0xFF00FF00);
    mDevice->SetVertexShader(kFvfXyz | kFvfDiffuse);
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, nearRed.data(), sizeof(V));
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, farGreen.data(), sizeof(V));
    mDevice->EndScene();
    EXPECT_EQ(Pixel(400, 300), 0xFFFF0000u) << "the far square drawn later is hidden";
    mDevice->SetRenderState(kRsZEnable, 0);
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, farGreen.data(), sizeof(V));
    mDevice->EndScene();
    EXPECT_EQ(Pixel(400, 300), 0xFF00FF00u) << "without the depth test the later draw wins";
}

TEST_F(GlDeviceTest, DestAlphaBlendReadsTheTargetsAlpha)
{
    mDevice->Clear(0, nullptr, kClearTarget, 0x80202020, 1.0f, 0);
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsSrcBlend, kBlendDestAlpha);
    mDevice->SetRenderState(kRsDestBlend, kBlendDestAlpha);
    mDevice->BeginScene();
    ASSERT_EQ(FillRect(100, 100, 200, 200, 0xFF666666), kOk);
    mDevice->EndScene();
    // 0.4 x 0.5 + 0.125 x 0.5 per channel; alpha 1 x 0.5 + 0.5 x 0.5.
    EXPECT_TRUE(Near(Pixel(150, 150), 0xBF434343u)) << std::hex << Pixel(150, 150);
    EXPECT_EQ(Pixel(50, 50), 0x80202020u);
}

TEST_F(GlDeviceTest, SourceBlend14FadesWithTheTextureFactorsAlpha)
{
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF202020, 1.0f, 0);
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsSrcBlend, kBlendOne);
    mDevice->SetRenderState(kRsDestBlend, kBlendOne);
    mDevice->SetRenderState(kRsSrcBlend, kBlendTextureFactorAlpha);
    mDevice->SetRenderState(kRsTextureFactor, 0x40FFFFFF);
    mDevice->BeginScene();
    FillRect(0, 0, 100, 100, 0xFFFFFFFF);
    // An undefined value keeps the factor in force.
    mDevice->SetRenderState(kRsSrcBlend, 15);
    FillRect(100, 0, 200, 100, 0xFFFFFFFF);
    mDevice->SetRenderState(kRsSrcBlend, kBlendTextureFactorAlpha);
    mDevice->SetRenderState(kRsTextureFactor, 0x00FFFFFF);
    FillRect(200, 0, 300, 100, 0xFFFFFFFF);
    mDevice->EndScene();
    // 1 x 0.25 + 0.125 x 1: additive, scaled by the factor's alpha.
    EXPECT_TRUE(Near(Pixel(50, 50), 0xFF606060u)) << std::hex << Pixel(50, 50);
    EXPECT_TRUE(Near(Pixel(150, 50), 0xFF606060u)) << std::hex << Pixel(150, 50);
    EXPECT_EQ(Pixel(250, 50), 0xFF202020u) << "alpha 0 adds nothing";
}

TEST_F(GlDeviceTest, WireframeDrawsEdgesOnly)
{
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->SetRenderState(kRsFillMode, kFillWireframe);
    mDevice->SetRenderState(kRsEdgeAntialias, 1);
    mDevice->BeginScene();
    FillRect(100, 100, 300, 300, 0xFF00FF00);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(200, 150), 0xFF000000u) << "the inside stays empty";
    bool edge = false;
    for (int y = 98; y <= 102; ++y)
        edge = edge || (Pixel(200, y) & 0x0000FF00u) != 0;
    EXPECT_TRUE(edge) << "the top edge is drawn";
    mDevice->SetRenderState(kRsFillMode, kFillSolid);
    mDevice->BeginScene();
    FillRect(100, 100, 300, 300, 0xFF00FF00);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(200, 150), 0xFF00FF00u);
}

TEST_F(GlDeviceTest, AlphaTestDiscardsTexelsBelowTheReference)
{
    Texture* texture = SolidTexture(2, 1, [](uint32_t x, uint32_t) { return x == 0 ? 0x04FFFFFFu : 0xFFFFFFFFu; });
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF0000FF, 1.0f, 0);
    mDevice->SetTexture(0, texture);
    mDevice->SetRenderState(kRsAlphaTestEnable, 1);
    mDevice->SetRenderState(kRsAlphaFunc, kCmpGreaterEqual);
    mDevice->SetRenderState(kRsAlphaRef, 8);
    mDevice->BeginScene();
    ASSERT_EQ(TexturedRect(0, 0, 200, 100, 0xFFFF0000), kOk);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(50, 50), 0xFF0000FFu) << "alpha 4 is below 8";
    EXPECT_EQ(Pixel(150, 50), 0xFFFF0000u);
    mDevice->SetRenderState(kRsAlphaRef, 4);
    mDevice->BeginScene();
    TexturedRect(0, 0, 200, 100, 0xFFFF0000);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(50, 50), 0x04FF0000u) << "alpha 4 passes a reference of 4; blending is off";
    texture->Release();
}

TEST_F(GlDeviceTest, AlphaTestsThatCannotFailDrawEveryTexelAndSwitchingBackDiscardsAgain)
{
    Texture* texture = SolidTexture(1, 1, [](uint32_t, uint32_t) { return 0x00FFFFFFu; });
    mDevice->SetTexture(0, texture);
    mDevice->SetRenderState(kRsAlphaTestEnable, 1);
    const struct {
        uint32_t func, ref;
        bool drawn;
    } cases[] = {{kCmpGreaterEqual, 0, true}, {kCmpGreaterEqual, 8, false}, {kCmpLessEqual, 255, true},
                 {kCmpNever, 0, false},       {kCmpAlways, 200, true},      {kCmpGreaterEqual, 0, true},
                 {kCmpLess, 1, true},         {kCmpGreater, 0, false}};
    for (const auto& c : cases) {
        mDevice->Clear(0, nullptr, kClearTarget, 0xFF0000FF, 1.0f, 0);
        mDevice->SetRenderState(kRsAlphaFunc, c.func);
        mDevice->SetRenderState(kRsAlphaRef, c.ref);
        mDevice->BeginScene();
        ASSERT_EQ(TexturedRect(0, 0, 100, 100, 0xFFFF0000), kOk);
        mDevice->EndScene();
        EXPECT_EQ(Pixel(50, 50), c.drawn ? 0x00FF0000u : 0xFF0000FFu)
            << "function " << c.func << ", reference " << c.ref;
    }
    texture->Release();
}

TEST_F(GlDeviceTest, RenderTargetDrawnIntoAndThenSampled)
{
    Texture* target = nullptr;
    ASSERT_EQ(mDevice->CreateTexture(400, 300, 1, kUsageRenderTarget, kFormatA8R8G8B8, kPoolDefault, &target), kOk);
    Surface* level = nullptr;
    target->GetSurfaceLevel(0, &level);
    ASSERT_EQ(mDevice->SetRenderTarget(level, nullptr), kOk);
    mDevice->Clear(0, nullptr, kClearTarget, 0x00000000, 1.0f, 0);
    mDevice->BeginScene();
    FillRect(0, 0, 200, 150, 0xFF00FF00);
    mDevice->EndScene();
    EXPECT_EQ(PixelOf(level, 10, 10), 0xFF00FF00u);
    EXPECT_EQ(PixelOf(level, 300, 200), 0x00000000u);

    ASSERT_EQ(mDevice->SetRenderTarget(mBack, mDepth), kOk);
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF0000FF, 1.0f, 0);
    mDevice->SetTexture(0, target);
    mDevice->BeginScene();
    TexturedRect(0, 0, 800, 600, 0xFFFFFFFF);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(100, 100), 0xFF00FF00u) << "the target's top left stays top left";
    EXPECT_EQ(Pixel(600, 450), 0x00000000u);

    // Sampling the target while drawing into it reads what it held before the draw.
    mDevice->SetRenderTarget(level, nullptr);
    mDevice->SetRenderState(kRsAlphaBlendEnable, 1);
    mDevice->SetRenderState(kRsSrcBlend, kBlendOne);
    mDevice->SetRenderState(kRsDestBlend, kBlendOne);
    mDevice->SetRenderState(kRsCullMode, kCullNone);
    mDevice->Clear(0, nullptr, kClearTarget, 0x40400000, 1.0f, 0);
    mDevice->BeginScene();
    TexturedRect(0, 0, 400, 300, 0xFFFFFFFF);
    mDevice->EndScene();
    EXPECT_TRUE(Near(PixelOf(level, 200, 150), 0x80800000u)) << std::hex << PixelOf(level, 200, 150);
    mDevice->SetRenderTarget(mBack, mDepth);

    // As on the headless device, a reset waits until no render target is held.
    PresentParams params;
    params.backBufferWidth = 800;
    params.backBufferHeight = 600;
    level->Release();
    EXPECT_EQ(mDevice->Reset(params), kInvalidCall);
    target->Release();
    EXPECT_EQ(mDevice->Reset(params), kOk);
}

TEST_F(GlDeviceTest, ScreenLineFromAVertexBufferIsWhiteWithoutTextureOrLighting)
{
    // A 2-pixel-wide vertical line as the galaxy map draws it: pre-transformed, one texture
    // coordinate set, no colour, no texture, a grey material set and lighting on.
    const float line[4][6] = {
        {99, 100, 0, 1, 0, 0}, {101, 100, 0, 1, 1, 0}, {101, 300, 0, 1, 1, 1}, {99, 300, 0, 1, 0, 1}};
    VertexBuffer* vb = nullptr;
    ASSERT_EQ(mDevice->CreateVertexBuffer(96, kUsageWriteOnly, kFvfXyzRhw | kFvfTex1, kPoolManaged, &vb), kOk);
    void* data = nullptr;
    ASSERT_EQ(vb->Lock(0, 0, &data, 0), kOk);
    std::memcpy(data, line, sizeof line);
    vb->Unlock();
    Material grey;
    grey.diffuse = grey.ambient = grey.specular = grey.emissive = ColorValue{0.5f, 0.5f, 0.5f, 0.5f};
    mDevice->SetMaterial(grey);
    mDevice->SetTexture(0, nullptr);
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->SetStreamSource(0, vb, 24);
    mDevice->SetVertexShader(kFvfXyzRhw | kFvfTex1);
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitive(kPrimTriangleFan, 0, 2), kOk);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(99, 200), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(100, 200), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(101, 200), 0xFF000000u) << "two pixels wide";
    EXPECT_EQ(Pixel(98, 200), 0xFF000000u);
    vb->Release();
}

TEST_F(GlDeviceTest, AssembledShadersRunWithTheirConstants)
{
    const char vsText[] = "vs.1.1\nmov oPos, v0\nadd oT0, v7, c0\n";
    const char psText[] = "ps.1.1\ntex t0\ntex t1\nmul r0, t0, c0\nmad r0, t1, c1, r0\n";
    std::vector<uint32_t> vsCode, psCode;
    ASSERT_FALSE(AssembleShader(vsText, sizeof vsText - 1, &vsCode));
    ASSERT_FALSE(AssembleShader(psText, sizeof psText - 1, &psCode));
    const uint32_t declaration[] = {0x20000000, 0x40030000, 0x40010007, 0xFFFFFFFF};
    uint32_t vs = 0, ps = 0;
    ASSERT_EQ(mDevice->CreateVertexShader(declaration, vsCode.data(), vsCode.size() * 4, &vs), kOk);
    ASSERT_EQ(mDevice->CreatePixelShader(psCode.data(), psCode.size() * 4, &ps), kOk);
    Texture* white = SolidTexture(4, 4, [](uint32_t, uint32_t) { return 0xFFFFFFFFu; });

    // The full-screen quad of the glow pass: clip-space corners, passed through.
    const float quad[4][6] = {{1, 1, 1, 1, 1, 0}, {1, -1, 1, 1, 1, 1}, {-1, -1, 1, 1, 0, 1}, {-1, 1, 1, 1, 0, 0}};
    const float half[8] = {0.5f, 0.5f, 0.5f, 0.5f, 0.25f, 0.25f, 0.25f, 0.25f};
    const float offsets[4] = {1, 0, 0, 0};
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->SetRenderState(kRsZEnable, 0);
    mDevice->SetTexture(0, white);
    mDevice->SetVertexShaderConstant(0, offsets, 1);
    mDevice->SetPixelShaderConstant(0, half, 2);
    mDevice->SetVertexShader(vs);
    mDevice->SetPixelShader(ps);
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, 24), kOk);
    mDevice->EndScene();
    // t0 x 0.5 + t1 x 0.25, and stage 1 has no texture: it reads (0, 0, 0, 1).
    EXPECT_TRUE(Near(Pixel(400, 300), 0xBF808080u)) << std::hex << Pixel(400, 300);
    // The same shaders once stage 1 has a texture read it.
    mDevice->SetTexture(1, white);
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, 24), kOk);
    mDevice->EndScene();
    EXPECT_TRUE(Near(Pixel(400, 300), 0xBFBFBFBFu)) << std::hex << Pixel(400, 300);
    mDevice->SetTexture(1, nullptr);

    // The vertex shader alone keeps the fixed pixel stage: texture times white.
    mDevice->SetPixelShader(0);
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleFan, 2, quad, 24), kOk);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(400, 300), 0xFFFFFFFFu);
    white->Release();
}

}  // namespace
}  // namespace gfx::gl
