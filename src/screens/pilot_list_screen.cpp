// The pilot list shared by the load and delete screens: building the rows and the hover look.
#include "screens/pilot_list_screen.h"

#include <cstdio>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/keys.h"
#include "core/graphics_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "screens/main_menu_screen.h"
#include "screens/screen_return.h"
#include "ui/button.h"
#include "ui/mouse_over_button.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr float kHoverSpin = 0.02f;
}  // namespace

CPilotListScreen::CPilotListScreen(const PilotListLayout& layout) : mLayout(layout)
{
    mScreenId = layout.screenId;
}

void CPilotListScreen::Enter()
{
    DeleteControls();
    gResourceManager->PlaySound(mLayout.enterSound);
    LoadTextControls();
    LoadMouseOverButtons();
    LoadButtons();
    LoadSpriteControls();
    LoadObjectControls();
    mBackdrop = mLayout.backdrop ? mLayout.backdrop : ScreenSpriteId();
    RequireWayOut(*this, mLayout.backButton);
    BuildList();
    mEntered = 1;
}

void CPilotListScreen::BuildList()
{
    // Copies: the rows belong to the database and go with its next pilot query.
    RowList<PilotRow> rows;
    mPilots.clear();
    for (const PilotRow* row : gGameDatabase.GetPilots(rows)) {
        if (mPilots.size() < kRows)
            mPilots.push_back(*row);
    }
    char level[32];
    for (int i = 0; i < kRows; ++i) {
        const bool listed = i < static_cast<int>(mPilots.size());
        CMouseOverButton* button = GetMouseOverButton(mLayout.firstButton + i);
        CObjectControl* hull = GetObjectControl(mLayout.firstHullView + i);
        CTextControl* name = GetTextControl(mLayout.firstNameText + i);
        CTextControl* levelText = GetTextControl(mLayout.firstLevelText + i);
        if (button)
            button->visible = listed ? 1 : 0;
        if (hull) {
            hull->visible = listed ? 1 : 0;
            hull->meshId = listed ? mPilots[i].mesh_id : 0;
            hull->meshRecord.meshId = hull->meshId;
        }
        if (name) {
            name->visible = listed ? 1 : 0;
            name->SetText(listed ? mPilots[i].character_name : "");
        }
        if (levelText) {
            std::snprintf(level, sizeof level, "Level: %d", listed ? mPilots[i].level : 0);
            levelText->visible = listed ? 1 : 0;
            levelText->SetText(listed ? level : "");
        }
    }
}

void CPilotListScreen::ShowHover()
{
    for (int i = 0; i < kRows; ++i) {
        const CMouseOverButton* button = GetMouseOverButton(mLayout.firstButton + i);
        if (!button)
            continue;
        if (CObjectControl* hull = GetObjectControl(mLayout.firstHullView + i))
            hull->rotationSpeed.z = button->hover ? kHoverSpin : 0.0f;
        const uint32_t colour = button->hover ? button->overColour : button->colour;
        for (int id : {mLayout.firstNameText + i, mLayout.firstLevelText + i}) {
            if (CTextControl* text = GetTextControl(id))
                text->colour = colour;
        }
    }
}

int CPilotListScreen::Frame()
{
    if (!mEntered)
        Enter();
    gCamera.Reset();
    gCamera.SetEye(0.0f, 0.0f, -30.0f);
    gCamera.SetTarget(0.0f, 0.0f, 1.0f);
    gCamera.Apply();
    ShowHover();
    if (CSpriteControl* pulsing = mLayout.pulsingSprite ? GetSpriteControl(mLayout.pulsingSprite) : nullptr)
        pulsing->colour = (pulsing->colour & 0x00FFFFFFu) | static_cast<uint32_t>(gPulse) << 24;
    DrawPage(mBackdrop);
    return 0;
}

void CPilotListScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
}

void CPilotListScreen::OnMouseUp(int, int x, int y)
{
    const int control = OnMouseUpControls(x, y);
    if (control == mLayout.backButton) {
        Leave();
        return;
    }
    const int row = control - mLayout.firstButton;
    if (control >= 0 && row >= 0 && row < static_cast<int>(mPilots.size()))
        OnPilotPicked(mPilots[row]);
}

void CPilotListScreen::OnMouseMove(int x, int y)
{
    MouseOverButtonAt(x, y);
}

void CPilotListScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape)
        Leave();
}

void CPilotListScreen::Leave()
{
    gCurrentScreen = gMainMenuScreen;
}
