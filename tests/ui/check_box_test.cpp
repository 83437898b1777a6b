// CCheckBox: toggling on a press inside, the checked mark and the caption's place.
#include "ui/check_box.h"

#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 904;
}  // namespace

class CheckBoxTest : public UiFixture {};

TEST_F(CheckBoxTest, PressInsideToggles)
{
    CheckBoxRow(90401, kScreen, 50, 60, true);
    CCheckBox box(90401);
    EXPECT_EQ(box.checked, 1);
    EXPECT_EQ(box.width, 16);
    EXPECT_FALSE(box.OnMouseDown(50, 65));
    EXPECT_EQ(box.checked, 1);
    EXPECT_TRUE(box.OnMouseDown(51, 61));
    EXPECT_EQ(box.checked, 0);
    EXPECT_TRUE(box.OnMouseDown(65, 75));
    EXPECT_EQ(box.checked, 1);
}

TEST_F(CheckBoxTest, DrawsTheMarkOnlyWhenChecked)
{
    CheckBoxRow(90401, kScreen, 50, 60, false);
    CCheckBox box(90401);
    auto unchecked = Drawn([&] { box.Draw(); });
    ASSERT_EQ(unchecked.size(), 1u + 5u);
    EXPECT_EQ(unchecked[0].texture, SpriteTexture(kBoxSprite));
    // Caption from x + 1.25 x width, centred on the box: small cells are 10 high.
    EXPECT_EQ(unchecked[1].texture, GlyphTexture('S', 0));
    EXPECT_EQ(unchecked[1].x, 70);
    EXPECT_EQ(unchecked[1].y, 63);
    box.checked = 1;
    auto checked = Drawn([&] { box.Draw(); });
    ASSERT_EQ(checked.size(), 2u + 5u);
    EXPECT_EQ(checked[1].texture, SpriteTexture(kMarkSprite));
    EXPECT_EQ(checked[1].x, 50);
}
