// Pixels the OpenGL device draws, checked on Mesa's software renderer.
#include "platform/gfx/gl/gl_device.h"

#include "gl_test_support.h"

namespace gfx::gl {
namespace {

struct ScreenVertex {
    float x, y, z, rhw;
    uint32_t color;
};

TEST_F(GlPixelTest, ClearFillsTheWholeFrameWithTheColourAndAlpha)
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

TEST_F(GlPixelTest, ClockwiseScreenTrianglesAreDrawnAndCounterClockwiseOnesCulled)
{
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->SetVertexShader(kFvfXyzRhw | kFvfDiffuse);
    // Clockwise as seen on screen (y down): the platform's front face.
    const ScreenVertex front[3] = {{100, 100, 0, 1, 0xFF00FF00}, {200, 100, 0, 1, 0xFF00FF00}, {100, 200, 0, 1, 0xFF00FF00}};
    const ScreenVertex back[3] = {{300, 100, 0, 1, 0xFFFF0000}, {300, 200, 0, 1, 0xFFFF0000}, {400, 100, 0, 1, 0xFFFF0000}};
    mDevice->BeginScene();
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, front, sizeof(ScreenVertex)), kOk);
    ASSERT_EQ(mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, back, sizeof(ScreenVertex)), kOk);
    mDevice->EndScene();
    EXPECT_EQ(Pixel(120, 120), 0xFF00FF00u);
    EXPECT_EQ(Pixel(320, 120), 0xFF000000u);
    mDevice->SetRenderState(kRsCullMode, kCullNone);
    mDevice->BeginScene();
    mDevice->DrawPrimitiveUP(kPrimTriangleList, 1, back, sizeof(ScreenVertex));
    mDevice->EndScene();
    EXPECT_EQ(Pixel(320, 120), 0xFFFF0000u);
}

}  // namespace
}  // namespace gfx::gl
