// Mouse routing: records to the screen, positions before and after clamping, the wheel.
#include <gtest/gtest.h>

#include "support/input_fixture.h"

using CursorTest = InputFixture;

TEST_F(CursorTest, ButtonsAndMovesReachTheScreenInOrder)
{
    Mouse(input::kMouseX, 10);
    Mouse(input::kMouseY, -5);
    Mouse(input::kMouseButton0, input::kPressedBit);
    Mouse(input::kMouseButton0 + 2, 0);
    gCursor.Poll();
    std::vector<ScreenCall> expected = {
        {"MouseMove", 330, 200}, {"MouseMove", 330, 195}, {"MouseDown", 0, 330, 195}, {"MouseUp", 2, 330, 195}};
    EXPECT_EQ(screen.calls, expected);
}

TEST_F(CursorTest, PositionsAreUnclampedDuringThePollAndClampedAfter)
{
    Mouse(input::kMouseX, -1000);
    gCursor.Poll();
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].a, -680);
    gCursor.ApplyMotion();
    int x = 0, y = 0;
    gCursor.GetPosition(&x, &y);
    EXPECT_EQ(x, 0);

    gCursor.SetPosition(5000, 5000);
    gCursor.GetPosition(&x, &y);
    EXPECT_EQ(x, 799);
    EXPECT_EQ(y, 599);
}

TEST_F(CursorTest, WheelZoomsTheFlightScreenOnlyOnExactNotches)
{
    gCurrentScreen = &flight;
    gCamera.SetEye(0, 0, -60);
    gCameraHeight = -60;
    Mouse(input::kMouseWheel, 240);
    gCursor.Poll();
    EXPECT_FLOAT_EQ(gCameraHeight, -60.0f);

    Mouse(input::kMouseWheel, 120);
    gCursor.Poll();
    EXPECT_FLOAT_EQ(gCameraHeight, -80.0f);
    EXPECT_FLOAT_EQ(gCamera.GetZoom(), -80.0f);
    EXPECT_EQ(gCursor.GetWheel(), 120);

    Mouse(input::kMouseWheel, -120);
    gCursor.Poll();
    EXPECT_FLOAT_EQ(gCameraHeight, -40.0f);
}

TEST_F(CursorTest, WheelRecordsAlsoMove)
{
    Mouse(input::kMouseWheel, 240);
    gCursor.Poll();
    EXPECT_EQ(screen.calls, (std::vector<ScreenCall>{{"MouseMove", 320, 200}}));
}

TEST_F(CursorTest, ZoomIsBoundedAndOnlyWhileFlightIsCurrent)
{
    gCamera.SetEye(0, 0, -100);
    gCameraHeight = -100;
    flight.ZoomOut();  // not current
    gCurrentScreen = &flight;
    flight.ZoomOut();  // at the far end
    EXPECT_FLOAT_EQ(gCameraHeight, -100.0f);
    gCamera.SetEye(0, 0, -20);
    flight.ZoomIn();
    EXPECT_FLOAT_EQ(gCameraHeight, -100.0f);
}

TEST_F(CursorTest, OverflowDropsTheWholeBuffer)
{
    for (int i = 0; i < 300; ++i)
        Mouse(input::kMouseX, 1);
    gCursor.Poll();
    EXPECT_TRUE(screen.calls.empty());
    Mouse(input::kMouseX, 1);
    gCursor.Poll();
    // The overflowing read dropped the hundred records it took; the next takes the following hundred.
    EXPECT_EQ(screen.calls.size(), 100u);
}
