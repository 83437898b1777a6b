// CMouseOverButton: hover, press and release with their colours, and its visibility rules.
#include "ui/mouse_over_button.h"

#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 905;
}  // namespace

class MouseOverButtonTest : public UiFixture {
protected:
    uint32_t DrawnColour(CMouseOverButton& button)
    {
        auto sprites = Drawn([&] { button.Draw(); });
        return sprites.empty() ? 0 : sprites[0].colour;
    }
};

TEST_F(MouseOverButtonTest, ColourFollowsHoverAndPress)
{
    MouseOverRow(90501, kScreen, 100, 100);
    CMouseOverButton button(90501);
    EXPECT_EQ(DrawnColour(button), 0xFFFFFFFFu);
    EXPECT_TRUE(button.OnMouseMove(120, 110));
    EXPECT_EQ(DrawnColour(button), 0xFF00FF00u);
    EXPECT_TRUE(button.OnMouseDown(120, 110));
    EXPECT_EQ(DrawnColour(button), 0xFF0000FFu);
    EXPECT_TRUE(button.OnMouseUp(120, 110));
    EXPECT_EQ(DrawnColour(button), 0xFF00FF00u);
    EXPECT_FALSE(button.OnMouseMove(300, 300));
    EXPECT_EQ(DrawnColour(button), 0xFFFFFFFFu);
}

TEST_F(MouseOverButtonTest, HiddenButtonHoversButTakesNoPress)
{
    MouseOverRow(90501, kScreen, 100, 100, false);
    CMouseOverButton button(90501);
    EXPECT_TRUE(button.OnMouseMove(120, 110));
    EXPECT_EQ(button.hover, 1);
    EXPECT_FALSE(button.OnMouseDown(120, 110));
    EXPECT_EQ(button.state, 1);
    button.state = 0;
    EXPECT_FALSE(button.OnMouseUp(120, 110));
    EXPECT_EQ(button.state, 0);
    EXPECT_EQ(DrawnColour(button), 0u);
}

TEST_F(MouseOverButtonTest, ReleaseOutsideComesUpUnreported)
{
    MouseOverRow(90501, kScreen, 100, 100);
    CMouseOverButton button(90501);
    ASSERT_TRUE(button.OnMouseDown(120, 110));
    EXPECT_FALSE(button.OnMouseUp(10, 10));
    EXPECT_EQ(button.state, 1);
}

TEST_F(MouseOverButtonTest, PlaysTheOverSoundOnEveryMoveInside)
{
    MouseOverRow(90501, kScreen, 100, 100);
    CMouseOverButton button(90501);
    gResourceManager->ReleaseSoundBuffers();
    const auto& buffers = gResourceManager->mSoundBuffers;
    button.OnMouseMove(10, 10);
    EXPECT_EQ(buffers.count(6), 0u);
    button.OnMouseMove(120, 110);
    EXPECT_EQ(buffers.count(6), 1u);
    // The first copy is still playing, so the next move inside starts a second one.
    button.OnMouseMove(121, 110);
    EXPECT_EQ(buffers.count(6), 2u);
}
