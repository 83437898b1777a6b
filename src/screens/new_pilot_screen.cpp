// Character creation: the skill buttons and their help box, the hull choice and Create.
#include "screens/new_pilot_screen.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "core/keys.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "platform/os/message_queue.h"
#include "screens/flight_screen.h"
#include "screens/hull_view.h"
#include "screens/info_screen.h"
#include "screens/main_menu_screen.h"
#include "ships/player_ship.h"
#include "ui/control_util.h"
#include "ui/mouse_over_button.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr int kEnterSound = 8;
constexpr float kHullAngle = 1.5708f + 0.349f;
constexpr int kHelpLines = 4;

const char* const kHelp[CNewPilotScreen::kSkillCount][kHelpLines] = {
    {"Engineering:", "Determines the repair rate", "of your ship structure.", ""},
    {"Tactical:", "Increases the amount of damage", "you will do when attacking.", ""},
    {"Navigation:", "Increases the speed and", "acceleration, of your ship.", ""},
    {"Communication:", "Increases your ability to", "purchase items at a discount", "or sell items at a premium"},
    {"Science:", "Increases the recharge rate of", "your shields and your engine", "batteries"},
};
constexpr int kHelpOffsets[kHelpLines] = {0, 20, 35, 50};

void SetText(CScreen& screen, int id, const char* text)
{
    if (CTextControl* control = screen.GetTextControl(id))
        control->SetText(text);
}
}  // namespace

CNewPilotScreen::CNewPilotScreen()
{
    mScreenId = kScreenId;
}

void CNewPilotScreen::SetPilotName(const char* name)
{
    CopyControlText(mPilotName, sizeof mPilotName, name);
}

int CNewPilotScreen::CurrentShipId() const
{
    return mHulls.empty() ? 0 : mHulls[mCurrentHull].ship_id;
}

void CNewPilotScreen::Enter()
{
    DeleteControls();
    gResourceManager->PlaySound(kEnterSound);
    LoadTextControls();
    LoadButtons();
    LoadMouseOverButtons();
    LoadSliders();
    LoadObjectControls();
    LoadSpriteControls();
    mBackdrop = ScreenSpriteId();
    mEntered = 1;
    RowList<CreateShipRow> rows;
    mHulls.clear();
    for (const CreateShipRow* row : gGameDatabase.GetCreateShips(rows)) {
        // A hull without its row could be neither drawn nor flown.
        if (gGameDatabase.GetShip(row->ship_id))
            mHulls.push_back(*row);
        else
            std::fprintf(stderr, "varnok: hull %d is not offered: it has no ship row\n", row->ship_id);
    }
    // With nothing to fly, Create could make no pilot and the page would have no way on.
    if (mHulls.empty())
        os::PostFailureQuit("no create_ship hull has a ship row: no new pilot can be made");
    mCurrentHull = 0;
    mPointsLeft = kStartingPoints;
    std::fill(std::begin(mSkills), std::end(mSkills), 1);
    SetText(*this, kNameText, mPilotName);
    ShowHull();
    PlaceHullViewCamera();
    ShowSkills();
    ShowPlusButtons(mPointsLeft != 0);
}

int CNewPilotScreen::Frame()
{
    if (!mEntered)
        Enter();
    PlaceHullViewCamera();
    DrawPage(mBackdrop);
    return 0;
}

void CNewPilotScreen::ShowHull()
{
    const int shipId = CurrentShipId();
    if (CObjectControl* view = GetObjectControl(kHullView)) {
        const ShipRecord* ship = shipId ? gGameDatabase.GetShip(shipId) : nullptr;
        view->meshId = ship ? ship->mesh_id : 0;
        view->meshRecord.meshId = view->meshId;
        view->rotation.z = kHullAngle;
    }
    ShowShipDescription(*this, kFirstDescriptionText, kDescriptionLines, shipId);
}

void CNewPilotScreen::ShowSkills()
{
    char text[16];
    for (int i = 0; i < kSkillCount; ++i) {
        std::snprintf(text, sizeof text, "%d", mSkills[i]);
        SetText(*this, kFirstSkillText + i, text);
    }
    std::snprintf(text, sizeof text, "%d", mPointsLeft);
    SetText(*this, kPointsText, text);
}

void CNewPilotScreen::ShowPlusButtons(bool shown)
{
    for (int i = 0; i < kSkillCount; ++i) {
        if (CMouseOverButton* plus = GetMouseOverButton(kFirstSkillButton + 2 * i))
            plus->visible = shown ? 1 : 0;
    }
}

void CNewPilotScreen::AddPoint(int skill)
{
    if (mPointsLeft <= 0)
        return;
    --mPointsLeft;
    ++mSkills[skill];
    if (mPointsLeft == 0)
        ShowPlusButtons(false);
}

void CNewPilotScreen::TakePoint(int skill)
{
    if (mSkills[skill] <= 1)
        return;
    --mSkills[skill];
    ++mPointsLeft;
    ShowPlusButtons(true);
}

void CNewPilotScreen::ShowHelp(int hovered)
{
    const int skill = (hovered - kFirstSkillButton) / 2;
    const CMouseOverButton* button = hovered ? GetMouseOverButton(hovered) : nullptr;
    const bool shown = button && skill >= 0 && skill < kSkillCount;
    if (CSpriteControl* box = GetSpriteControl(kHelpBox)) {
        box->visible = shown ? 1 : 0;
        if (shown)
            box->y = button->y - 30;
    }
    for (int i = 0; i < kHelpLines; ++i) {
        CTextControl* text = GetTextControl(kFirstHelpText + i);
        if (!text)
            continue;
        text->visible = shown ? 1 : 0;
        if (shown)
            text->SetTextAt(text->x, button->y + kHelpOffsets[i], kHelp[skill][i]);
    }
}

void CNewPilotScreen::Create()
{
    if (mPointsLeft != 0) {
        if (CSpriteControl* notice = GetSpriteControl(kPointsLeftNotice))
            notice->visible = 1;
        return;
    }
    if (mHulls.empty())
        return;
    const CreateShipRow hull = mHulls[mCurrentHull];
    const uint32_t colour = 0xFF000000u + static_cast<uint32_t>(mRed) * 65536u + static_cast<uint32_t>(mGreen) * 256u +
                            static_cast<uint32_t>(mBlue);
    // The old ship and the world that may point at it go before the new ship is made.
    gResourceManager->DeleteWorldObjects();
    gResourceManager->ClosePortal();
    ReplacePlayerShip(nullptr);
    ReplacePlayerShip(new CPlayerShip(hull.ship_id, mPilotName, hull.weapon_id_1, hull.weapon_id_2,
                                      hull.engine_device_id, hull.shield_device_id, hull.armor_device_id, mSkills[0],
                                      mSkills[1], mSkills[2], mSkills[3], mSkills[4], colour, hull.affiliate));
    gPlayerShip->Save();
    gInfoScreen->ShowContinue();
    gCurrentScreen = gInfoScreen;
    gInfoScreen->SetReturnScreen(gFlightScreen);
}

void CNewPilotScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
    if (CSpriteControl* notice = GetSpriteControl(kPointsLeftNotice))
        notice->visible = 0;
}

void CNewPilotScreen::OnMouseUp(int, int x, int y)
{
    const int control = OnMouseUpControls(x, y);
    if (control >= kFirstSkillButton && control < kFirstSkillButton + 2 * kSkillCount) {
        const int skill = (control - kFirstSkillButton) / 2;
        if ((control - kFirstSkillButton) % 2 == 0)
            AddPoint(skill);
        else
            TakePoint(skill);
    } else if (control == kPreviousHullButton && !mHulls.empty()) {
        mCurrentHull = mCurrentHull == 0 ? mHulls.size() - 1 : mCurrentHull - 1;
        ShowHull();
    } else if (control == kNextHullButton && !mHulls.empty()) {
        mCurrentHull = (mCurrentHull + 1) % mHulls.size();
        ShowHull();
    } else if (control == kCreateButton) {
        Create();
        return;
    }
    ShowSkills();
}

void CNewPilotScreen::OnMouseMove(int x, int y)
{
    ShowHelp(MouseOverButtonAt(x, y));
}

void CNewPilotScreen::OnKeyDown(int key)
{
    // Nothing is made before Create: Esc gives the new pilot up for the menu.
    if (key == kKeyEscape)
        gCurrentScreen = gMainMenuScreen;
}
