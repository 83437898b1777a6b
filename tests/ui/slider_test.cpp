// CSlider: the knob's place, the value under a press, the closed meter box and SetValue's bounds.
#include "ui/slider.h"

#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 903;
}  // namespace

class SliderTest : public UiFixture {};

TEST_F(SliderTest, PlacesTheKnobForItsValue)
{
    SliderRow(90301, kScreen, 100, 200, 5, 10);
    CSlider slider(90301);
    EXPECT_EQ(slider.meterWidth, 128);
    EXPECT_EQ(slider.meterHeight, 16);
    // 100 + 128 * 5 / 10 - 8, and centred on the meter's height.
    EXPECT_EQ(slider.knobX, 156);
    EXPECT_EQ(slider.knobY, 200);
    EXPECT_EQ(slider.GetValue(), 5);
}

TEST_F(SliderTest, MaximumZeroReadsAsOne)
{
    SliderRow(90301, kScreen, 100, 200, 1, 0);
    CSlider slider(90301);
    EXPECT_EQ(slider.maximum, 1);
    EXPECT_EQ(slider.knobX, 100 + 128 - 8);
}

TEST_F(SliderTest, PressTakesTheValueUnderTheCursor)
{
    SliderRow(90301, kScreen, 100, 200, 0, 10);
    CSlider slider(90301);
    slider.meterWidth = 100;
    EXPECT_TRUE(slider.OnMouseDown(155, 205));
    EXPECT_EQ(slider.GetValue(), 5);
    EXPECT_EQ(slider.knobX, 155);
    // The meter's edges belong to it.
    EXPECT_TRUE(slider.OnMouseDown(100, 200));
    EXPECT_EQ(slider.GetValue(), 0);
    EXPECT_TRUE(slider.OnMouseDown(200, 216));
    EXPECT_EQ(slider.GetValue(), 10);
    EXPECT_FALSE(slider.OnMouseDown(99, 205));
    EXPECT_FALSE(slider.OnMouseDown(150, 217));
    EXPECT_EQ(slider.GetValue(), 10);
}

TEST_F(SliderTest, SetValueKeepsTheValueOnTheMeter)
{
    SliderRow(90301, kScreen, 100, 200, 0, 10);
    CSlider slider(90301);
    slider.SetValue(15);
    EXPECT_EQ(slider.GetValue(), 10);
    EXPECT_EQ(slider.knobX, 100 + 128 - 8);
    slider.SetValue(-3);
    EXPECT_EQ(slider.GetValue(), 0);
    EXPECT_EQ(slider.knobX, 100 - 8);
}

TEST_F(SliderTest, DrawsMeterKnobThenCaptionRightOfTheMeter)
{
    SliderRow(90301, kScreen, 100, 200, 5, 10);
    CSlider slider(90301);
    auto sprites = Drawn([&] { slider.Draw(); });
    ASSERT_EQ(sprites.size(), 2u + 6u);
    EXPECT_EQ(sprites[0].texture, SpriteTexture(kMeterSprite));
    EXPECT_EQ(sprites[1].texture, SpriteTexture(kKnobSprite));
    EXPECT_EQ(sprites[1].x, 156);
    EXPECT_EQ(sprites[2].texture, GlyphTexture('V', 0));
    EXPECT_EQ(sprites[2].x, 100 + 2 + 128);
    EXPECT_EQ(sprites[3].x, 100 + 2 + 128 + 8);
}
