// The screen base: control lookups and the screen's ownership of its controls.
#include "ui/screen.h"

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/movie_control.h"
#include "ui/object_control.h"
#include "ui/slider.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

template <class Control>
Control* Find(const std::map<int, Control*>& controls, int id)
{
    auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second;
}

template <class Control>
void DeleteAll(std::map<int, Control*>& controls)
{
    for (auto& [id, control] : controls)
        delete control;
    controls.clear();
}

}  // namespace

CScreen::~CScreen()
{
    DeleteControls();
}

void CScreen::OnDrop(int, int)
{
}

CButton* CScreen::GetButton(int id) const
{
    return Find(mButtons, id);
}
CMouseOverButton* CScreen::GetMouseOverButton(int id) const
{
    return Find(mMouseOverButtons, id);
}
CTextControl* CScreen::GetTextControl(int id) const
{
    return Find(mTextControls, id);
}
CCheckBox* CScreen::GetCheckBox(int id) const
{
    return Find(mCheckBoxes, id);
}
CObjectControl* CScreen::GetObjectControl(int id) const
{
    return Find(mObjectControls, id);
}
CSlider* CScreen::GetSlider(int id) const
{
    return Find(mSliders, id);
}
CSpriteControl* CScreen::GetSpriteControl(int id) const
{
    return Find(mSpriteControls, id);
}
CMovieControl* CScreen::GetMovieControl(int id) const
{
    return Find(mMovieControls, id);
}
CDragButton* CScreen::GetDragButton(int id) const
{
    return Find(mDragButtons, id);
}
CSnapControl* CScreen::GetSnapControl(int id) const
{
    return Find(mSnapControls, id);
}

void CScreen::DeleteControls()
{
    DeleteAll(mButtons);
    DeleteAll(mMouseOverButtons);
    DeleteAll(mTextControls);
    DeleteAll(mCheckBoxes);
    DeleteAll(mObjectControls);
    DeleteAll(mSliders);
    DeleteAll(mSpriteControls);
    DeleteAll(mMovieControls);
    DeleteAll(mDragButtons);
    DeleteAll(mSnapControls);
}
