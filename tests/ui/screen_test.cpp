// The screen base: loading controls from rows, dispatch order, drag and drop, drawing order and
// re-entering after the resources are released.
#include "ui/screen.h"

#include "app/frame.h"
#include "support/control_screen.h"
#include "support/ui_fixture.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/cursor.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/slider.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr int kScreen = 900;
}  // namespace

class ScreenTest : public UiFixture {
protected:
    void Enter()
    {
        test.Enter();
        gCurrentScreen = &test;
    }
    void PlaceCursor(int x, int y) { gCursor.SetPosition(x, y); }

    ControlScreen test{kScreen};
};

TEST_F(ScreenTest, LoadsOnlyItsOwnRowsAndFindsThemById)
{
    ButtonRow(90001, kScreen, 10, 10, "Go");
    ButtonRow(90002, kScreen + 1, 10, 10, "Elsewhere");
    TextRow(90003, kScreen, 5, 5, "Hello");
    SpriteRow(90004, kScreen, 0, 0);
    Enter();
    EXPECT_NE(test.GetButton(90001), nullptr);
    EXPECT_EQ(test.GetButton(90002), nullptr);
    EXPECT_NE(test.GetTextControl(90003), nullptr);
    EXPECT_NE(test.GetSpriteControl(90004), nullptr);
    EXPECT_EQ(test.GetSpriteControl(90003), nullptr);
    EXPECT_EQ(test.GetSlider(90001), nullptr);
    EXPECT_FALSE(os::QuitPosted());
}

TEST_F(ScreenTest, EnteringAgainBuildsFreshControls)
{
    ButtonRow(90001, kScreen, 10, 10, "Go");
    Enter();
    test.GetButton(90001)->x = 500;
    test.GetButton(90001)->visible = 0;
    Enter();
    ASSERT_NE(test.GetButton(90001), nullptr);
    EXPECT_EQ(test.GetButton(90001)->x, 10);
    EXPECT_EQ(test.GetButton(90001)->visible, 1);
}

TEST_F(ScreenTest, DragButtonTakesAPressBeforeAnOverlappingButton)
{
    ButtonRow(90001, kScreen, 100, 100, "Under");
    DragRow(90050, kScreen, 100, 100, 1);
    Enter();
    EXPECT_EQ(test.OnMouseDownControls(110, 110), 90050);
    EXPECT_EQ(test.GetButton(90001)->state, 1);
    EXPECT_EQ(test.GetDragButton(90050)->dragging, 1);
}

TEST_F(ScreenTest, PressOrderFollowsKindThenLowestId)
{
    ButtonRow(90002, kScreen, 100, 100);
    ButtonRow(90001, kScreen, 110, 100);
    MouseOverRow(90010, kScreen, 100, 100);
    CheckBoxRow(90020, kScreen, 101, 101, false);
    Enter();
    EXPECT_EQ(test.OnMouseDownControls(120, 110), 90001);
    // Only the answering button went down.
    EXPECT_EQ(test.GetButton(90002)->state, 1);
    EXPECT_EQ(test.GetMouseOverButton(90010)->state, 1);
    EXPECT_EQ(test.GetCheckBox(90020)->checked, 0);
    EXPECT_EQ(test.OnMouseUpControls(120, 110), 90001);
}

TEST_F(ScreenTest, PressFallsThroughToCheckBoxThenSlider)
{
    CheckBoxRow(90020, kScreen, 100, 100, false);
    SliderRow(90030, kScreen, 300, 100, 0, 10);
    Enter();
    EXPECT_EQ(test.OnMouseDownControls(108, 108), 90020);
    EXPECT_EQ(test.OnMouseDownControls(300, 100), 90030);
    EXPECT_EQ(test.OnMouseDownControls(5, 5), -1);
}

TEST_F(ScreenTest, HiddenButtonsNeverAnswerButHiddenMouseOverButtonsHover)
{
    ButtonRow(90001, kScreen, 100, 100, "", false);
    MouseOverRow(90010, kScreen, 300, 100, false);
    Enter();
    EXPECT_EQ(test.OnMouseDownControls(110, 110), -1);
    EXPECT_EQ(test.GetButton(90001)->state, 1);
    EXPECT_EQ(test.OnMouseUpControls(110, 110), -1);
    EXPECT_EQ(test.OnMouseDownControls(310, 110), -1);
    EXPECT_EQ(test.MouseOverButtonAt(310, 110), 90010);
    EXPECT_EQ(test.GetMouseOverButton(90010)->hover, 1);
}

TEST_F(ScreenTest, HoverAsksMouseOverButtonsOnlyUntilOneAnswers)
{
    MouseOverRow(90010, kScreen, 100, 100);
    MouseOverRow(90011, kScreen, 120, 100);
    Enter();
    EXPECT_EQ(test.MouseOverButtonAt(130, 110), 90010);
    EXPECT_EQ(test.GetMouseOverButton(90011)->hover, 0);
    EXPECT_EQ(test.MouseOverButtonAt(180, 110), 90011);
    EXPECT_EQ(test.GetMouseOverButton(90010)->hover, 0);
    EXPECT_EQ(test.MouseOverButtonAt(5, 5), 0);
    EXPECT_EQ(test.GetMouseOverButton(90011)->hover, 0);
}

TEST_F(ScreenTest, ReleaseResetsEveryButtonAskedBeforeTheAnswer)
{
    ButtonRow(90001, kScreen, 100, 100);
    ButtonRow(90002, kScreen, 300, 100);
    Enter();
    test.GetButton(90001)->state = 0;
    test.GetButton(90002)->state = 0;
    EXPECT_EQ(test.OnMouseUpControls(310, 110), 90002);
    EXPECT_EQ(test.GetButton(90001)->state, 1);
    EXPECT_EQ(test.GetButton(90002)->state, 1);
}

TEST_F(ScreenTest, DropOntoAFreeSnapOfTheSameSetBindsItAndCallsOnDrop)
{
    DragRow(90050, kScreen, 10, 10, 1);
    SnapRow(90060, kScreen, 200, 200, 2);
    SnapRow(90061, kScreen, 200, 200, 1);
    Enter();
    ASSERT_EQ(test.OnMouseDownControls(20, 20), 90050);
    PlaceCursor(210, 210);
    EXPECT_EQ(test.OnMouseUpControls(210, 210), -1);
    CDragButton* drag = test.GetDragButton(90050);
    EXPECT_EQ(drag->dragging, 0);
    EXPECT_EQ(drag->x, 200);
    EXPECT_EQ(drag->y, 200);
    EXPECT_EQ(test.GetSnapControl(90060)->bound, 0);
    EXPECT_EQ(test.GetSnapControl(90061)->bound, 1);
    EXPECT_EQ(test.GetSnapControl(90061)->dragButton, drag);
    ASSERT_EQ(test.drops.size(), 1u);
    EXPECT_EQ(test.drops[0], std::make_pair(90050, 90061));
}

TEST_F(ScreenTest, DropCountsTheDragButtonsWidthAroundTheSnap)
{
    DragRow(90050, kScreen, 10, 10, 1);
    SnapRow(90061, kScreen, 200, 200, 1);
    Enter();
    // Slot 32 wide at 200; a 32-wide icon widens it by 16 on each side.
    EXPECT_TRUE(test.GetSnapControl(90061)->HitTest(184, 248, 32));
    EXPECT_FALSE(test.GetSnapControl(90061)->HitTest(183, 210, 32));
    test.OnMouseDownControls(20, 20);
    PlaceCursor(247, 247);
    test.OnMouseUpControls(247, 247);
    EXPECT_EQ(test.GetSnapControl(90061)->bound, 1);
}

TEST_F(ScreenTest, DropOnAnotherSetOrABoundSnapChangesNothing)
{
    DragRow(90050, kScreen, 10, 10, 1);
    DragRow(90051, kScreen, 60, 10, 1);
    SnapRow(90060, kScreen, 200, 200, 2);
    SnapRow(90061, kScreen, 400, 200, 1);
    Enter();
    test.OnMouseDownControls(20, 20);
    PlaceCursor(210, 210);
    test.OnMouseUpControls(210, 210);
    EXPECT_EQ(test.GetDragButton(90050)->x, 10);
    EXPECT_EQ(test.GetSnapControl(90060)->bound, 0);
    EXPECT_TRUE(test.drops.empty());

    test.GetSnapControl(90061)->Attach(test.GetDragButton(90051));
    test.OnMouseDownControls(20, 20);
    PlaceCursor(410, 210);
    test.OnMouseUpControls(410, 210);
    EXPECT_EQ(test.GetDragButton(90050)->x, 10);
    EXPECT_EQ(test.GetSnapControl(90061)->dragButton, test.GetDragButton(90051));
    EXPECT_TRUE(test.drops.empty());
}

TEST_F(ScreenTest, MovingFromOneSnapToAnotherFreesTheFirst)
{
    DragRow(90050, kScreen, 10, 10, 1);
    SnapRow(90060, kScreen, 200, 200, 1);
    SnapRow(90061, kScreen, 400, 200, 1);
    Enter();
    test.GetSnapControl(90060)->Attach(test.GetDragButton(90050));
    test.OnMouseDownControls(210, 210);
    PlaceCursor(410, 210);
    test.OnMouseUpControls(410, 210);
    EXPECT_EQ(test.GetSnapControl(90060)->bound, 0);
    EXPECT_EQ(test.GetSnapControl(90060)->dragButton, nullptr);
    EXPECT_EQ(test.GetSnapControl(90061)->bound, 1);
    ASSERT_EQ(test.drops.size(), 1u);
    EXPECT_EQ(test.drops[0], std::make_pair(90050, 90061));
}

TEST_F(ScreenTest, ReloadingDragButtonsLeavesNoSnapPointingAtADeletedOne)
{
    DragRow(90050, kScreen, 10, 10, 1);
    SnapRow(90060, kScreen, 200, 200, 1);
    Enter();
    test.GetSnapControl(90060)->Attach(test.GetDragButton(90050));
    test.LoadDragButtons();
    EXPECT_EQ(test.GetSnapControl(90060)->dragButton, nullptr);
    EXPECT_EQ(test.GetSnapControl(90060)->bound, 0);
}

TEST_F(ScreenTest, DrawsKindsInTheirFixedOrder)
{
    MouseOverRow(90010, kScreen, 0, 0);
    SliderRow(90030, kScreen, 0, 100, 0, 10);
    CheckBoxRow(90020, kScreen, 0, 200, false);
    ButtonRow(90001, kScreen, 0, 300);
    SpriteRow(90004, kScreen, 0, 400);
    Enter();
    std::vector<gfx::Texture*> order;
    for (const DrawnSprite& sprite : Drawn([&] { test.DrawControls(); }))
        if (sprite.texture != GlyphTexture('V', 0) && sprite.texture != GlyphTexture('S', 0))
            order.push_back(sprite.texture);
    // Sprite, button, checkbox box, slider meter and knob, mouse-over button last.
    std::vector<gfx::Texture*> expected = {SpriteTexture(kSlotSprite), SpriteTexture(kButtonSprite),
                                           SpriteTexture(kBoxSprite),  SpriteTexture(kMeterSprite),
                                           SpriteTexture(kKnobSprite), SpriteTexture(kSmallSprite)};
    std::vector<gfx::Texture*> shown;
    for (gfx::Texture* t : order)
        if (std::find(expected.begin(), expected.end(), t) != expected.end())
            shown.push_back(t);
    EXPECT_EQ(shown, expected);
}

TEST_F(ScreenTest, ReEnteredAfterADeviceResetFindsItsControlsAgain)
{
    ButtonRow(90001, kScreen, 100, 100, "Go");
    Enter();
    RunFrame();
    Device()->ReportCooperativeLevel(gfx::kDeviceNotReset);
    EXPECT_EQ(CheckDevice(), 1);
    EXPECT_EQ(test.enters, 2);
    ASSERT_NE(test.GetButton(90001), nullptr);
    EXPECT_EQ(test.GetButton(90001)->width, 128);
    TakeSprites();
    RunFrame();
    bool buttonDrawn = false;
    for (const DrawnSprite& sprite : TakeSprites())
        buttonDrawn = buttonDrawn || (sprite.texture == SpriteTexture(kButtonSprite) && sprite.x == 100);
    EXPECT_TRUE(buttonDrawn);
}

TEST_F(ScreenTest, KeysAndMouseRecordsReachTheCurrentScreen)
{
    ButtonRow(90001, kScreen, 100, 100);
    Enter();
    Key(30, true);
    Mouse(input::kMouseX, 110 - 320);
    Mouse(input::kMouseY, 110 - 200);
    Mouse(input::kMouseButton0, input::kPressedBit);
    RunFrame();
    EXPECT_EQ(test.keys, std::vector<int>{30});
    EXPECT_EQ(test.pressed, 90001);
    Mouse(input::kMouseButton0, 0);
    RunFrame();
    EXPECT_EQ(test.released, 90001);
}

TEST_F(ScreenTest, DeleteControlsEmptiesEveryMap)
{
    ButtonRow(90001, kScreen, 100, 100);
    TextRow(90003, kScreen, 5, 5, "x");
    DragRow(90050, kScreen, 10, 10, 1);
    SnapRow(90060, kScreen, 200, 200, 1);
    Enter();
    test.DeleteControls();
    EXPECT_EQ(test.GetButton(90001), nullptr);
    EXPECT_EQ(test.GetTextControl(90003), nullptr);
    EXPECT_EQ(test.GetDragButton(90050), nullptr);
    EXPECT_EQ(test.GetSnapControl(90060), nullptr);
}
