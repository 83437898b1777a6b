// CButton: size and caption from its row, the open hit box, press and release, mirroring and
// the caption's placement.
#include "ui/button.h"

#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 901;
}  // namespace

class ButtonTest : public UiFixture {};

TEST_F(ButtonTest, TakesItsRowAndItsSpritesSize)
{
    ButtonRow(90101, kScreen, 40, 60, "Launch", false, kSmallSprite, "large");
    CButton button(90101);
    EXPECT_EQ(button.x, 40);
    EXPECT_EQ(button.y, 60);
    EXPECT_EQ(button.width, 64);
    EXPECT_EQ(button.height, 32);
    EXPECT_EQ(button.visible, 0);
    EXPECT_STREQ(button.text, "Launch");
    EXPECT_EQ(button.glyphAdvance, 27);
    EXPECT_EQ(button.glyphHeight, 32);
    EXPECT_EQ(button.colour, 0xFFFFFFFFu);
    EXPECT_EQ(button.downColour, 0xFF0000FFu);
    EXPECT_EQ(button.state, 1);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(ButtonTest, MissingRowEndsTheGameAndStaysHidden)
{
    CButton button(99999);
    EXPECT_TRUE(os::QuitPosted());
    EXPECT_EQ(button.visible, 0);
}

TEST_F(ButtonTest, EdgesAreOutsideTheHitBox)
{
    ButtonRow(90101, kScreen, 100, 100);
    CButton button(90101);
    EXPECT_FALSE(button.OnMouseDown(100, 110));
    EXPECT_FALSE(button.OnMouseDown(228, 110));
    EXPECT_FALSE(button.OnMouseDown(150, 100));
    EXPECT_FALSE(button.OnMouseDown(150, 132));
    EXPECT_EQ(button.state, 1);
    EXPECT_TRUE(button.OnMouseDown(101, 131));
    EXPECT_EQ(button.state, 0);
}

TEST_F(ButtonTest, ReleaseOutsideComesUpWithoutReporting)
{
    ButtonRow(90101, kScreen, 100, 100);
    CButton button(90101);
    ASSERT_TRUE(button.OnMouseDown(150, 110));
    EXPECT_FALSE(button.OnMouseUp(400, 400));
    EXPECT_EQ(button.state, 1);
    // A release inside without a press on it reports nothing either.
    EXPECT_FALSE(button.OnMouseUp(150, 110));
    ASSERT_TRUE(button.OnMouseDown(150, 110));
    EXPECT_TRUE(button.OnMouseUp(150, 110));
}

TEST_F(ButtonTest, DrawsInTheDownColourWhilePressed)
{
    ButtonRow(90101, kScreen, 100, 100, "A");
    CButton button(90101);
    auto up = Drawn([&] { button.Draw(); });
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(up[0].colour, 0xFFFFFFFFu);
    EXPECT_EQ(up[1].colour, 0xFFFFFFFFu);
    button.OnMouseDown(150, 110);
    auto down = Drawn([&] { button.Draw(); });
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(down[0].colour, 0xFF0000FFu);
    EXPECT_EQ(down[1].colour, 0xFF0000FFu);
    button.visible = 0;
    auto drawn = Drawn([&] { button.Draw(); });
    EXPECT_TRUE(drawn.empty());
}

TEST_F(ButtonTest, CentresItsCaptionGlyphByGlyph)
{
    ButtonRow(90101, kScreen, 100, 100, "AB C");
    CButton button(90101);
    auto sprites = Drawn([&] { button.Draw(); });
    ASSERT_EQ(sprites.size(), 4u);  // the space only advances
    // Medium cells advance 11: four characters are 44 wide, centred on 128: x from 100 + 64 - 22.
    // 16 high, centred on 32: y = 100 + 16 - 8.
    EXPECT_EQ(sprites[0].texture, SpriteTexture(kButtonSprite));
    EXPECT_EQ(sprites[1].texture, GlyphTexture('A', 1));
    EXPECT_EQ(sprites[1].x, 142);
    EXPECT_EQ(sprites[1].y, 108);
    EXPECT_EQ(sprites[2].texture, GlyphTexture('B', 1));
    EXPECT_EQ(sprites[2].x, 153);
    EXPECT_EQ(sprites[3].texture, GlyphTexture('C', 1));
    EXPECT_EQ(sprites[3].x, 175);
}

TEST_F(ButtonTest, MirroredButtonStaysInPlace)
{
    ButtonRow(90101, kScreen, 100, 100, "A");
    CButton button(90101);
    button.FlipHorizontal();
    EXPECT_EQ(button.x, 228);
    EXPECT_TRUE(button.OnMouseDown(101, 110));
    EXPECT_TRUE(button.OnMouseUp(227, 110));
    EXPECT_FALSE(button.OnMouseDown(228, 110));
    EXPECT_FALSE(button.OnMouseDown(100, 110));
    auto sprites = Drawn([&] { button.Draw(); });
    ASSERT_EQ(sprites.size(), 2u);
    // The image runs leftwards from x; the caption is centred on the same place as before.
    EXPECT_EQ(sprites[0].x, 228);
    EXPECT_FLOAT_EQ(sprites[0].width, -128.0f);
    EXPECT_EQ(sprites[1].x, 100 + 64 - 5);
}

TEST_F(ButtonTest, PlaysItsDownSoundOnAPressAndItsUpSoundOnARelease)
{
    ButtonRow(90101, kScreen, 100, 100);
    CButton button(90101);
    gResourceManager->ReleaseSoundBuffers();
    const auto& buffers = gResourceManager->mSoundBuffers;
    button.OnMouseDown(10, 10);
    EXPECT_EQ(buffers.count(1), 0u);
    button.OnMouseDown(150, 110);
    EXPECT_EQ(buffers.count(1), 1u);
    EXPECT_EQ(buffers.count(2), 0u);
    button.OnMouseUp(150, 110);
    EXPECT_EQ(buffers.count(2), 1u);
}
