// The screen base's input dispatch: which control takes a press, a release, a hover or a drop.
#include "ui/screen.h"

#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/cursor.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/slider.h"
#include "ui/snap_control.h"

namespace {

// The id of the first visible control (lowest id) whose operation answers true, or -1.
// An operation may replace the whole map (a drop seats the drag buttons again), so the walk
// goes by the ids it started with and finds each control afresh.
template <class Control, class Operation>
int FirstVisibleAnswering(const std::map<int, Control*>& controls, Operation operation)
{
    std::vector<int> ids;
    ids.reserve(controls.size());
    for (const auto& entry : controls)
        ids.push_back(entry.first);
    for (int id : ids) {
        auto found = controls.find(id);
        if (found != controls.end() && found->second->visible && operation(*found->second))
            return id;
    }
    return -1;
}

}  // namespace

int CScreen::OnMouseDownControls(int x, int y)
{
    auto press = [x, y](auto& control) { return control.OnMouseDown(x, y); };
    int id = FirstVisibleAnswering(mDragButtons, press);
    if (id == -1)
        id = FirstVisibleAnswering(mButtons, press);
    if (id == -1)
        id = FirstVisibleAnswering(mMouseOverButtons, press);
    if (id == -1)
        id = FirstVisibleAnswering(mCheckBoxes, press);
    if (id == -1)
        id = FirstVisibleAnswering(mSliders, press);
    return id;
}

int CScreen::OnMouseUpControls(int x, int y)
{
    auto release = [x, y](auto& control) { return control.OnMouseUp(x, y); };
    int id = FirstVisibleAnswering(mButtons, release);
    if (id == -1)
        id = FirstVisibleAnswering(mMouseOverButtons, release);
    if (id == -1)
        id = FirstVisibleAnswering(mDragButtons, release);
    return id;
}

int CScreen::MouseOverButtonAt(int x, int y)
{
    for (auto& [id, button] : mMouseOverButtons) {
        if (button->OnMouseMove(x, y))
            return id;
    }
    return 0;
}

int CScreen::DropOnSnap(int dragButtonId)
{
    CDragButton* button = GetDragButton(dragButtonId);
    if (!button)
        return 0;
    int cursorX = 0;
    int cursorY = 0;
    gCursor.GetPosition(&cursorX, &cursorY);

    CSnapControl* target = nullptr;
    for (auto& [id, snap] : mSnapControls) {
        if (snap->snapSet == button->snapSet && snap->HitTest(cursorX, cursorY, button->width) && !snap->bound) {
            target = snap;
            break;
        }
    }
    if (!target)
        return 0;
    for (auto& [id, snap] : mSnapControls) {
        if (snap->dragButton == button)
            snap->Unbind();
    }
    target->Attach(button);
    if (gCurrentScreen)
        gCurrentScreen->OnDrop(dragButtonId, target->controlId);
    return 0;
}
