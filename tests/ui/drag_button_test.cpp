// CDragButton and CSnapControl: drawing under the cursor while dragged, a drop over nothing,
// and a slot hidden under the button resting on it.
#include "ui/drag_button.h"

#include "support/control_screen.h"
#include "support/ui_fixture.h"
#include "ui/cursor.h"
#include "ui/snap_control.h"

namespace {
constexpr int kScreen = 907;
}  // namespace

class DragButtonTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        DragRow(90701, kScreen, 10, 10, 1);
        SnapRow(90702, kScreen, 200, 200, 1);
        test.Enter();
        gCurrentScreen = &test;
    }
    ControlScreen test{kScreen};
};

TEST_F(DragButtonTest, FollowsTheCursorTranslucentlyWhileDragged)
{
    CDragButton* drag = test.GetDragButton(90701);
    ASSERT_TRUE(drag->OnMouseDown(20, 20));
    gCursor.SetPosition(300, 400);
    auto sprites = Drawn([&] { drag->Draw(); });
    ASSERT_EQ(sprites.size(), 1u);
    // Offset by half the width in both directions.
    EXPECT_EQ(sprites[0].x, 284);
    EXPECT_EQ(sprites[0].y, 384);
    EXPECT_EQ(sprites[0].colour >> 24, 0xA0u);
    EXPECT_EQ(drag->x, 10);
    EXPECT_EQ(drag->colour, 0xFFFFFFFFu);
}

TEST_F(DragButtonTest, ReleasedOverNothingGoesBackToItsPlace)
{
    CDragButton* drag = test.GetDragButton(90701);
    ASSERT_EQ(test.OnMouseDownControls(20, 20), 90701);
    gCursor.SetPosition(600, 500);
    EXPECT_EQ(test.OnMouseUpControls(600, 500), -1);
    EXPECT_EQ(drag->dragging, 0);
    auto sprites = Drawn([&] { drag->Draw(); });
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_EQ(sprites[0].x, 10);
    EXPECT_EQ(sprites[0].y, 10);
    EXPECT_TRUE(test.drops.empty());
}

namespace {
// A screen whose drop handler seats its drag buttons again, as the store and the crew screen do.
class ReseatingScreen : public ControlScreen {
public:
    using ControlScreen::ControlScreen;
    void OnDrop(int dragButtonId, int snapControlId) override
    {
        ControlScreen::OnDrop(dragButtonId, snapControlId);
        LoadDragButtons();
    }
};
}  // namespace

TEST_F(DragButtonTest, ReleaseSurvivesADropHandlerThatSeatsTheDragButtonsAgain)
{
    // A second button makes the release walk on past the one dropped.
    DragRow(90703, kScreen, 400, 10, 1);
    ReseatingScreen reseating{kScreen};
    reseating.Enter();
    gCurrentScreen = &reseating;
    ASSERT_EQ(reseating.OnMouseDownControls(20, 20), 90701);
    gCursor.SetPosition(210, 210);
    EXPECT_EQ(reseating.OnMouseUpControls(210, 210), -1);
    EXPECT_EQ(reseating.drops, (std::vector<std::pair<int, int>>{{90701, 90702}}));
    // The seated buttons are new and at rest; the slot no longer points at a deleted one.
    ASSERT_NE(reseating.GetDragButton(90701), nullptr);
    EXPECT_EQ(reseating.GetDragButton(90701)->dragging, 0);
    EXPECT_EQ(reseating.GetSnapControl(90702)->dragButton, nullptr);
}

TEST_F(DragButtonTest, SnapHidesUnderItsButtonAndShowsWhileItIsDragged)
{
    CDragButton* drag = test.GetDragButton(90701);
    CSnapControl* snap = test.GetSnapControl(90702);
    auto draw = [&] { snap->Draw(); };
    EXPECT_EQ(Drawn(draw).size(), 1u);
    snap->Attach(drag);
    EXPECT_TRUE(Drawn(draw).empty());
    ASSERT_TRUE(drag->OnMouseDown(210, 210));
    EXPECT_EQ(Drawn(draw).size(), 1u);
}
