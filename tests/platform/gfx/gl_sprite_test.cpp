// Sprites on the OpenGL device: tint, alpha and sheet cells, pixel for pixel.
#include "gl_test_support.h"
#include "platform/gfx/math.h"
#include "platform/gfx/sprite.h"

namespace gfx::gl {
namespace {

class GlSpriteTest : public GlPixelTest {
protected:
    void SetUp() override
    {
        GlPixelTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_EQ(Sprite::Create(mDevice, &mSprite), kOk);
        // The game's filtering for sprites.
        mDevice->SetTextureStageState(0, kTssMagFilter, kFilterLinear);
        mDevice->SetTextureStageState(0, kTssMinFilter, kFilterLinear);
    }
    void TearDown() override
    {
        if (mSprite)
            mSprite->Release();
        GlPixelTest::TearDown();
    }
    Texture* Sheet()
    {
        // 2 x 2 cells of 32 pixels: red, green / blue, white.
        Texture* texture = nullptr;
        EXPECT_EQ(mDevice->CreateTexture(64, 64, 1, 0, kFormatA8R8G8B8, kPoolManaged, &texture), kOk);
        void* bits = nullptr;
        int32_t pitch = 0;
        texture->LockRect(0, &bits, &pitch);
        const uint32_t cells[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
        for (uint32_t y = 0; y < 64; ++y)
            for (uint32_t x = 0; x < 64; ++x)
                static_cast<uint32_t*>(bits)[y * 64 + x] = cells[(y / 32) * 2 + x / 32];
        texture->UnlockRect(0);
        return texture;
    }

    Sprite* mSprite = nullptr;
};

TEST_F(GlSpriteTest, TintedSpriteWithAlphaBlendsOverTheFrame)
{
    Texture* sheet = Sheet();
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF0000FF, 1.0f, 0);
    const Rect white{32, 32, 64, 64};
    mDevice->BeginScene();
    ASSERT_EQ(mSprite->Begin(), kOk);
    ASSERT_EQ(mSprite->DrawTransform(sheet, &white, MatrixTranslation(100, 100, 0), 0x80FF0000), kOk);
    ASSERT_EQ(mSprite->End(), kOk);
    mDevice->EndScene();
    // Half red over blue; the target's alpha blends the same way: 0.5 x 0.5 + 1 x 0.5.
    EXPECT_TRUE(Near(Pixel(110, 110), 0xBF80007Fu)) << std::hex << Pixel(110, 110);
    EXPECT_TRUE(Near(Pixel(100, 100), 0xBF80007Fu)) << "the corner pixel is covered";
    EXPECT_TRUE(Near(Pixel(131, 131), 0xBF80007Fu));
    EXPECT_EQ(Pixel(99, 110), 0xFF0000FFu);
    EXPECT_EQ(Pixel(132, 110), 0xFF0000FFu);
    sheet->Release();
}

TEST_F(GlSpriteTest, SheetCellDrawsOnlyThatCellEvenWithLinearFiltering)
{
    Texture* sheet = Sheet();
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    // Frame 2 with two cells per row: row 1, column 0, the blue cell.
    const Rect cell{0, 32, 32, 64};
    mDevice->BeginScene();
    mSprite->Begin();
    ASSERT_EQ(mSprite->DrawTransform(sheet, &cell, MatrixTranslation(10, 20, 0), 0xFFFFFFFF), kOk);
    mSprite->End();
    mDevice->EndScene();
    const std::vector<uint32_t> frame = mDevice->ReadPixels(mBack);
    int wrong = 0;
    for (int y = 20; y < 52; ++y)
        for (int x = 10; x < 42; ++x)
            wrong += frame[y * 800 + x] != 0xFF0000FFu;
    EXPECT_EQ(wrong, 0) << "no texel of a neighbouring cell bleeds in";
    EXPECT_EQ(frame[19 * 800 + 10], 0xFF000000u);
    EXPECT_EQ(frame[20 * 800 + 42], 0xFF000000u);

    // Scaled twice and mirrored, the cell covers exactly its 64 pixels; magnified, only the
    // outermost ring of pixels filters a quarter of the neighbouring texels in.
    mDevice->Clear(0, nullptr, kClearTarget, 0xFF000000, 1.0f, 0);
    mDevice->BeginScene();
    mSprite->Begin();
    mSprite->DrawTransform(sheet, &cell, MatrixMultiply(MatrixScaling(-2, 2, 1), MatrixTranslation(300, 100, 0)),
                           0xFFFFFFFF);
    mSprite->End();
    mDevice->EndScene();
    EXPECT_EQ(Pixel(237, 101), 0xFF0000FFu);
    EXPECT_EQ(Pixel(298, 162), 0xFF0000FFu);
    EXPECT_NE(Pixel(236, 130), 0xFF000000u);
    EXPECT_EQ(Pixel(235, 130), 0xFF000000u);
    EXPECT_NE(Pixel(299, 130), 0xFF000000u);
    EXPECT_EQ(Pixel(300, 130), 0xFF000000u);
    sheet->Release();
}

}  // namespace
}  // namespace gfx::gl
