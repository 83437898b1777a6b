// Textures, sprites and backdrops on the headless device.
#include <cstring>

#include "app/globals.h"
#include "support/resource_fixture.h"

namespace {

using ResourceSprites = ResourceFixture;

TEST_F(ResourceSprites, SpriteTextureIsCachedByIdAndPathWithTheRoundedSize)
{
    AddSprite(5, "ship.png", 48, 20);
    gfx::Texture* texture = rm->FindSpriteTexture(5);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(rm->FindSpriteTexture(5), texture);
    EXPECT_EQ(rm->mPathTextures.at("raster\\ship.png"), texture);
    gfx::SurfaceDesc desc = rm->GetSpriteSize(5);
    EXPECT_EQ(desc.width, 64u);
    EXPECT_EQ(desc.height, 32u);
}

TEST_F(ResourceSprites, MissingFileIsCachedAsNullUntilTheCachesEmpty)
{
    Content("INSERT INTO sprite VALUES (7, 'late.png');");
    EXPECT_EQ(rm->FindSpriteTexture(7), nullptr);
    ASSERT_EQ(rm->mSpriteTextures.count(7), 1u);
    EXPECT_EQ(rm->GetSpriteSize(7).width, 0u);

    // The file appears, but the failed sprite is not looked up again...
    WritePng("raster/late.png", 8, 8, 0xFFFFFFFFu);
    EXPECT_EQ(rm->FindSpriteTexture(7), nullptr);
    SpriteDrawRecord record;
    int x = 0, y = 0;
    uint32_t colour = 0xFFFFFFFFu;
    float scale = 1.0f;
    record = {7, &x, &y, &colour, &scale, &scale};
    rm->DrawSpriteTransformed(record);
    EXPECT_TRUE(Draws().empty());

    // ...until the caches are emptied.
    rm->ReleaseAll();
    EXPECT_NE(rm->FindSpriteTexture(7), nullptr);
}

TEST_F(ResourceSprites, TranslucentColourTakesTheBlendedPathAndOpaqueSwitchesBlendingOff)
{
    AddSprite(3, "dot.png");
    int x = 10, y = 20;
    uint32_t colour = 0x80FFFFFFu;
    float scale = 1.0f;
    SpriteDrawRecord record{3, &x, &y, &colour, &scale, &scale};
    rm->DrawSpriteTransformed(record);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAlphaBlendEnable), 1u);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsSrcBlend), uint32_t(gfx::kBlendTextureFactorAlpha));
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsDestBlend), uint32_t(gfx::kBlendOne));
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsTextureFactor), 0xFFFFFFFFu);

    colour = 0xFFFFFFFFu;
    rm->DrawSpriteTransformed(record);
    EXPECT_EQ(gDevice->GetRenderState(gfx::kRsAlphaBlendEnable), 0u);
}

// The sprite drawer's vertex: screen position, colour, texture coordinate.
struct SpriteVertex {
    float x, y, z, rhw;
    uint32_t colour;
    float u, v;
};

TEST_F(ResourceSprites, FrameSevenOfASheetWithThreeCellsPerRowTakesItsCell)
{
    AddSprite(20, "sheet.png", 128, 128);
    gDevice->BeginScene();
    int x = 100, y = 50, frame = 7, cell = 32, perRow = 3;
    uint32_t colour = 0xFFFFFFFFu;
    float xScale = 2.0f, yScale = 1.0f;
    rm->DrawSpriteFrame({20, &x, &y, &frame, &cell, &colour, &perRow, &xScale, &yScale});
    ASSERT_EQ(Draws().size(), 1u);
    ASSERT_EQ(Draws()[0].vertices.size(), 4 * sizeof(SpriteVertex));
    SpriteVertex v[4];
    std::memcpy(v, Draws()[0].vertices.data(), sizeof(v));
    // Row 2, column 1: texels (32, 64) to (64, 96) of the 128x128 sheet.
    EXPECT_FLOAT_EQ(v[0].u, 32.0f / 128.0f);
    EXPECT_FLOAT_EQ(v[0].v, 64.0f / 128.0f);
    EXPECT_FLOAT_EQ(v[2].u, 64.0f / 128.0f);
    EXPECT_FLOAT_EQ(v[2].v, 96.0f / 128.0f);
    // Scaled about its top-left corner, which stands at (100, 50).
    EXPECT_FLOAT_EQ(v[0].x + 0.5f, 100.0f);
    EXPECT_FLOAT_EQ(v[0].y + 0.5f, 50.0f);
    EXPECT_FLOAT_EQ(v[2].x - v[0].x, 64.0f);
    EXPECT_FLOAT_EQ(v[2].y - v[0].y, 32.0f);

    // No cells per row counts as one: frame 7 is then the eighth row.
    perRow = 0;
    rm->DrawSpriteFrame({20, &x, &y, &frame, &cell, &colour, &perRow, &xScale, &yScale});
    std::memcpy(v, Draws()[1].vertices.data(), sizeof(v));
    EXPECT_FLOAT_EQ(v[0].u, 0.0f);
    EXPECT_FLOAT_EQ(v[0].v, 224.0f / 128.0f);

    // An edited row's cell too large for the texel edges in an int: held at the largest, never
    // wrapped round to negative.
    perRow = 3;
    cell = 1 << 30;
    rm->DrawSpriteFrame({20, &x, &y, &frame, &cell, &colour, &perRow, &xScale, &yScale});
    std::memcpy(v, Draws()[2].vertices.data(), sizeof(v));
    EXPECT_GT(v[0].u, 0.0f);
    EXPECT_GT(v[0].v, 0.0f);
    EXPECT_GE(v[2].v, v[0].v);
}

TEST_F(ResourceSprites, ScreenSpriteOfWidth400CopiesTheLeftHalfOfTheBackdrop)
{
    AddSprite(9, "backdrop.png", 100, 75);
    rm->DrawScreenSprite(9, 400);
    ASSERT_EQ(Device()->Copies().size(), 1u);
    const gfx::headless::CopyRecord& copy = Device()->Copies()[0];
    EXPECT_EQ(copy.dest, gBackBuffer);
    EXPECT_EQ(copy.sourceRect.left, 0);
    EXPECT_EQ(copy.sourceRect.top, 0);
    EXPECT_EQ(copy.sourceRect.right, 400);
    EXPECT_EQ(copy.sourceRect.bottom, 600);
    EXPECT_EQ(copy.destPoint.x, 0);
    EXPECT_EQ(copy.destPoint.y, 0);

    // The backdrop is an 800x600 surface, loaded once.
    ASSERT_EQ(rm->mBackdrops.count(9), 1u);
    gfx::Surface* backdrop = rm->mBackdrops.at(9);
    EXPECT_EQ(backdrop->GetDesc().width, 800u);
    EXPECT_EQ(backdrop->GetDesc().height, 600u);
    rm->DrawScreenSprite(9, 800);
    EXPECT_EQ(rm->mBackdrops.at(9), backdrop);
    EXPECT_EQ(Device()->Copies().back().sourceRect.right, 800);
}

TEST_F(ResourceSprites, BackdropWithoutARowCopiesNothing)
{
    rm->DrawScreenSprite(404, 800);
    EXPECT_TRUE(Device()->Copies().empty());
}

}  // namespace
