// The screen base's loaders: the controls of each type from this screen's rows.
#include "ui/screen.h"

#include <cstdio>
#include <vector>

#include "db/game_database.h"
#include "platform/os/message_queue.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_text.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/movie_control.h"
#include "ui/object_control.h"
#include "ui/slider.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

using IdQuery = RowList<ControlIdRow>& (CGameDatabase::*)(RowList<ControlIdRow>&, int32_t);

// The ids are copied out first: the rows belong to the database and building a control
// runs further queries.
std::vector<int> ControlIds(IdQuery query, int screenId)
{
    RowList<ControlIdRow> rows;
    (gGameDatabase.*query)(rows, screenId);
    std::vector<int> ids;
    for (const ControlIdRow* row : rows)
        ids.push_back(row->control_id);
    return ids;
}

// Files a new control under its id unless that id is taken; the first one stays.
template <class Control>
void File(std::map<int, Control*>& controls, int id, Control* control)
{
    if (!controls.emplace(id, control).second)
        delete control;
}

template <class Control>
void LoadInto(std::map<int, Control*>& controls, IdQuery query, int screenId)
{
    for (int id : ControlIds(query, screenId))
        File(controls, id, new Control(id));
}

}  // namespace

void CScreen::LoadButtons()
{
    ForgetSpriteRows();
    // Every screen loads its buttons. A control whose row of its kind is gone is left out of the
    // screen, which plays on without it; the first time, the author hears which one it is.
    if (!mControlRowsChecked) {
        mControlRowsChecked = 1;
        const int32_t lost = gGameDatabase.FindControlWithoutKind(mScreenId);
        if (lost != kNoControl)
            std::fprintf(stderr,
                         "varnok: no button, text, sprite or other row of its kind for control %d of screen %d; "
                         "the screen shows without it\n",
                         lost, mScreenId);
    }
    LoadInto(mButtons, &CGameDatabase::GetButtonIds, mScreenId);
}

void CScreen::LoadMouseOverButtons()
{
    LoadInto(mMouseOverButtons, &CGameDatabase::GetMouseOverButtonIds, mScreenId);
}

void CScreen::LoadTextControls()
{
    LoadInto(mTextControls, &CGameDatabase::GetTextControlIds, mScreenId);
}

void CScreen::LoadCheckBoxes()
{
    LoadInto(mCheckBoxes, &CGameDatabase::GetCheckBoxIds, mScreenId);
}

void CScreen::LoadSliders()
{
    LoadInto(mSliders, &CGameDatabase::GetSliderIds, mScreenId);
}

void CScreen::LoadSpriteControls()
{
    LoadInto(mSpriteControls, &CGameDatabase::GetSpriteControlIds, mScreenId);
}

void CScreen::LoadMovieControls()
{
    LoadInto(mMovieControls, &CGameDatabase::GetMovieControlIds, mScreenId);
}

void CScreen::LoadObjectControls()
{
    RowList<ObjectControlIdRow> rows;
    gGameDatabase.GetObjectControlIds(rows, mScreenId);
    std::vector<int> ids;
    for (const ObjectControlIdRow* row : rows)
        ids.push_back(row->object_control_id);
    for (int id : ids)
        File(mObjectControls, id, new CObjectControl(id));
}

void CScreen::LoadDragButtons()
{
    // Snap controls must not keep pointing at the drag buttons deleted here.
    for (auto& [id, snap] : mSnapControls)
        snap->Unbind();
    for (auto& [id, button] : mDragButtons)
        delete button;
    mDragButtons.clear();
    LoadInto(mDragButtons, &CGameDatabase::GetDragButtonIds, mScreenId);
}

int CScreen::ScreenSpriteId() const
{
    const ScreenRecord* screen = gGameDatabase.GetScreen(mScreenId);
    if (!screen) {
        os::PostFailureQuit("no screen row for screen %d", mScreenId);
        return 0;
    }
    const int spriteId = screen->sprite_id;
    if (!gGameDatabase.GetSprite(spriteId))
        os::PostFailureQuit("no sprite row for sprite %d, the backdrop of screen %d", spriteId, mScreenId);
    return spriteId;
}

void CScreen::LoadSnapControls()
{
    for (auto& [id, snap] : mSnapControls)
        delete snap;
    mSnapControls.clear();
    LoadInto(mSnapControls, &CGameDatabase::GetSnapControlIds, mScreenId);
}
