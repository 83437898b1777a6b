// The ship-and-crew page: entering it, its figures, spending skill points with their help box,
// and leaving.
#include "screens/crew_screen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/camera.h"
#include "core/graphics_globals.h"
#include "core/keys.h"
#include "engine/resource_manager.h"
#include "screens/crew_stat_texts.h"
#include "screens/device_panel.h"
#include "screens/flight_screen.h"
#include "screens/screen_return.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/control_text.h"
#include "ui/mouse_over_button.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {

constexpr int kBackdropWidth = 800;
constexpr uint32_t kSkillButtonColour = 0x99FFFFFFu;
constexpr uint32_t kCoveredButtonColour = 0x20FFFFFFu;
constexpr int kRepairBaseMs = 10000;
constexpr int kRepairPerEngineering = 250;
constexpr int kFastestRepairMs = 100;
// The help box hangs below the hovered button, its lines further down inside it.
constexpr int kHelpBoxDrop = 30;
constexpr int kHelpLineDrops[CShipStatusScreen::kHelpLines] = {60, 80, 95, 110};
// The description panel opens on the side away from the hovered slot.
constexpr int kPanelRightFromX = 400;
constexpr int kLowerPanelFromY = 301;
constexpr int kLeftPanelX = 5;
constexpr int kRightPanelX = 490;
constexpr int kUpperPanelY = 80;
constexpr int kLowerPanelY = 200;
constexpr int kPanelInset = 10;
constexpr int kPanelLineStep = 15;

constexpr int kSkillButtons[] = {CShipStatusScreen::kEngineeringButton, CShipStatusScreen::kTacticalButton,
                                 CShipStatusScreen::kNavigationButton, CShipStatusScreen::kCommunicationButton,
                                 CShipStatusScreen::kScienceButton};

struct SkillHelp {
    int button;
    const char* lines[CShipStatusScreen::kHelpLines];
};

const SkillHelp kSkillHelp[] = {
    {CShipStatusScreen::kEngineeringButton,
     {"Engineering:", "Determines the recharge rate", "of your ship structure.", ""}},
    {CShipStatusScreen::kTacticalButton,
     {"Tactical:", "Increases the amount of damage", "you will do when attacking.", ""}},
    {CShipStatusScreen::kNavigationButton,
     {"Navigation:", "Increases the speed and", "acceleration, of your ship.", ""}},
    {CShipStatusScreen::kCommunicationButton,
     {"Communication:", "Increases your ability to", "purchase items at a discount", "or sell items at a premium"}},
    {CShipStatusScreen::kScienceButton,
     {"Science:", "Increases the recharge rate of", "your shields, and your engine", "batteries."}},
};

struct Box {
    int left, top, right, bottom;
    bool Overlaps(const Box& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

bool IsHelpOrPanelText(int id)
{
    return (id >= CShipStatusScreen::kFirstHelpText &&
            id < CShipStatusScreen::kFirstHelpText + CShipStatusScreen::kHelpLines) ||
           (id >= CShipStatusScreen::kFirstPanelText &&
            id < CShipStatusScreen::kFirstPanelText + CShipStatusScreen::kPanelLines);
}

// Texts draw over sprites, so the figures under a box that shows are hidden; the box's extent.
Box HideTextsUnder(const CSpriteControl& box, std::map<int, CTextControl*>& texts)
{
    int width = 0;
    int height = 0;
    GetSpriteExtent(box.spriteId, &width, &height);
    const Box covered{box.x, box.y, box.x + width, box.y + height};
    for (auto& [id, text] : texts) {
        if (IsHelpOrPanelText(id))
            continue;
        const Box at{text->x, text->y, text->x + static_cast<int>(std::strlen(text->text)) * text->glyphAdvance,
                     text->y + text->glyphHeight};
        text->visible = covered.Overlaps(at) ? 0 : 1;
    }
    return covered;
}

}  // namespace

CShipStatusScreen::CShipStatusScreen()
{
    mScreenId = kScreenId;
}

void CShipStatusScreen::Enter()
{
    DeleteControls();
    gCamera.Reset();
    gCamera.SetEye(0.0f, 0.0f, -20.0f);
    gCamera.SetTarget(0.0f, 0.0f, 0.0f);
    gCamera.Apply();
    LoadTextControls();
    LoadDragButtons();
    LoadSnapControls();
    LoadMouseOverButtons();
    LoadSpriteControls();
    LoadButtons();
    LoadObjectControls();
    ShowDeviceMesh(nullptr);
    ShowStats();
    SeatDevices();
    mEntered = 1;
}

int CShipStatusScreen::Frame()
{
    if (!mEntered)
        Enter();
    ShowSkillButtons(gPlayerShip && gPlayerShip->mLevelUps >= 1);
    gResourceManager->DrawScreenSprite(kBackdrop, kBackdropWidth);
    // The model turns under the controls: the device panel opens over it.
    DrawObjectControls();
    DrawControls();
    if (gShadersSupported && gGlowEnabled)
        gResourceManager->DrawGlowPass();
    return 0;
}

void CShipStatusScreen::ShowSkillButtons(bool shown)
{
    for (int id : kSkillButtons) {
        if (CMouseOverButton* button = GetMouseOverButton(id))
            button->visible = shown ? 1 : 0;
    }
}

void CShipStatusScreen::ShowStats()
{
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    char text[64];
    auto number = [&](int id, int value) {
        std::snprintf(text, sizeof text, "%d", value);
        SetScreenText(*this, id, text);
    };
    auto formatted = [&](int id, void (CPlayerShip::*format)(char*)) {
        (ship->*format)(text);
        SetScreenText(*this, id, text);
    };
    ship->GetName(text);
    SetScreenText(*this, kShipNameText, text);
    SetScreenText(*this, kPilotNameText, ship->mPilotName);
    number(kLevelText, ship->mLevel);
    number(kEngineeringText, ship->mEngineering);
    number(kTacticalText, ship->mTactical);
    number(kNavigationText, ship->mNavigation);
    number(kCommunicationText, ship->mCommunication);
    number(kScienceText, ship->mScience);
    formatted(kExperienceText, &CPlayerShip::FormatExperienceToLevel);
    formatted(kDamageText, &CPlayerShip::FormatWeaponDamage);
    formatted(kTotalHitPointsText, &CPlayerShip::FormatTotalHitPoints);
    number(kEnergyText, ship->mEngine ? ship->mEngine->mEnergy : 0);
    formatted(kAmmoText, &CPlayerShip::FormatWeaponAmmo);
    formatted(kHullText, &CPlayerShip::FormatHitPoints);
    SetScreenText(
        *this, kAccelerationText,
        ship->mEngine ? AccelerationText(ship->mEngine->mAcceleration, ship->GetAccelerationFactor()).c_str() : "0");
    SetScreenText(*this, kTopSpeedText,
                  TopSpeedText(ship->mEngine ? ship->mEngine->mTopSpeedBase : 0.0f, ship->GetSpeedFactor()).c_str());
    SetScreenText(*this, kRepairRateText, HullRepairRateText(ship->mHullRegenerationPeriod).c_str());
    formatted(kFirstCompoundText, &CPlayerShip::FormatCommonCompounds);
    formatted(kFirstCompoundText + 1, &CPlayerShip::FormatUncommonCompounds);
    formatted(kFirstCompoundText + 2, &CPlayerShip::FormatRareCompounds);
    formatted(kFirstCompoundText + 3, &CPlayerShip::FormatExoticCompounds);
    number(kLevelUpsText, ship->mLevelUps);
    number(kCreditsText, ship->mCredits);
    formatted(kCargoText, &CPlayerShip::FormatCargo);
    SetScreenText(*this, kDiscountText, DiscountText(ship->BuyFactor()).c_str());
    SetScreenText(*this, kScienceBonusText, ScienceBonusText(ship->GetEnergyRegenFactor()).c_str());
}

void CShipStatusScreen::SpendPoint(int button)
{
    CPlayerShip* ship = gPlayerShip;
    if (!ship || ship->mLevelUps < 1)
        return;
    int* skill = button == kEngineeringButton     ? &ship->mEngineering
                 : button == kTacticalButton      ? &ship->mTactical
                 : button == kNavigationButton    ? &ship->mNavigation
                 : button == kCommunicationButton ? &ship->mCommunication
                                                  : &ship->mScience;
    --ship->mLevelUps;
    ++*skill;
    if (button == kEngineeringButton)
        ship->mHullRegenerationPeriod =
            std::max(kRepairBaseMs - kRepairPerEngineering * ship->mEngineering, kFastestRepairMs);
    ShowStats();
}

void CShipStatusScreen::ShowHelp(int button, const char* const* lines)
{
    const CMouseOverButton* hovered = GetMouseOverButton(button);
    CSpriteControl* box = GetSpriteControl(kHelpBox);
    if (!hovered || !box)
        return;
    box->y = hovered->y + kHelpBoxDrop;
    box->visible = 1;
    for (int i = 0; i < kHelpLines; ++i) {
        if (CTextControl* line = GetTextControl(kFirstHelpText + i)) {
            line->SetTextAt(line->x, hovered->y + kHelpLineDrops[i], lines[i]);
            line->visible = 1;
        }
    }
    const Box covered = HideTextsUnder(*box, mTextControls);
    for (int id : kSkillButtons) {
        if (CMouseOverButton* skill = GetMouseOverButton(id)) {
            const Box at{skill->x, skill->y, skill->x + skill->width, skill->y + skill->height};
            skill->colour = id != button && covered.Overlaps(at) ? kCoveredButtonColour : kSkillButtonColour;
        }
    }
}

void CShipStatusScreen::HideHelp()
{
    if (CSpriteControl* box = GetSpriteControl(kHelpBox))
        box->visible = 0;
    for (auto& [id, text] : mTextControls)
        text->visible = IsHelpOrPanelText(id) ? 0 : 1;
    for (int id : kSkillButtons) {
        if (CMouseOverButton* skill = GetMouseOverButton(id))
            skill->colour = kSkillButtonColour;
    }
}

void CShipStatusScreen::OnMouseMove(int x, int y)
{
    if (!mEntered)
        return;
    const int id = MouseOverButtonAt(x, y);
    for (const SkillHelp& entry : kSkillHelp) {
        if (entry.button == id) {
            HidePanel();
            ShowHelp(entry.button, entry.lines);
            return;
        }
    }
    HideHelp();
    DescribeHovered(id);
}

void CShipStatusScreen::DescribeHovered(int hoverId)
{
    const CDeviceInfo* device = DeviceOfHover(hoverId);
    const CMouseOverButton* hover = GetMouseOverButton(hoverId);
    if (device && hover) {
        ShowPanel(hover->x >= kPanelRightFromX ? kRightPanelX : kLeftPanelX,
                  hover->y < kLowerPanelFromY ? kUpperPanelY : kLowerPanelY);
        WritePanel(*this, kFirstPanelText, DescribeDevice(*device, false, PanelForm::kCrew));
    } else {
        HidePanel();
    }
    ShowDeviceMesh(device);
}

void CShipStatusScreen::ShowPanel(int x, int y)
{
    CSpriteControl* panel = GetSpriteControl(kPanelSprite);
    if (!panel)
        return;
    panel->x = x;
    panel->y = y;
    panel->visible = 1;
    HideTextsUnder(*panel, mTextControls);
    for (int i = 0; i < kPanelLines; ++i) {
        if (CTextControl* line = GetTextControl(kFirstPanelText + i)) {
            line->x = x + kPanelInset;
            line->y = y + kPanelInset + kPanelLineStep * i;
            line->visible = 1;
        }
    }
    if (CButton* back = GetButton(kBackButton))
        back->visible = x == kRightPanelX && y == kUpperPanelY ? 0 : 1;
}

void CShipStatusScreen::HidePanel()
{
    if (CSpriteControl* panel = GetSpriteControl(kPanelSprite))
        panel->visible = 0;
    for (auto& [id, text] : mTextControls)
        text->visible = IsHelpOrPanelText(id) ? 0 : 1;
    if (CButton* back = GetButton(kBackButton))
        back->visible = 1;
}

void CShipStatusScreen::OnMouseDown(int, int x, int y)
{
    if (!mEntered)
        return;
    // Pressing a fitted or carried device describes it; its hover button sits under the drag one.
    const int id = OnMouseDownControls(x, y);
    if (id >= kFirstWeaponDrag && id <= kEngineDrag) {
        if (const CDeviceInfo* device = DeviceOfHover(id - kFirstWeaponDrag + kFirstWeaponHover))
            WritePanel(*this, kFirstPanelText, DescribeDevice(*device, false, PanelForm::kCrew));
    }
}

void CShipStatusScreen::OnMouseUp(int, int x, int y)
{
    if (!mEntered)
        return;
    const int id = OnMouseUpControls(x, y);
    if (id == kBackButton) {
        Leave(mReturnScreen);
        return;
    }
    for (int skill : kSkillButtons) {
        if (id == skill)
            SpendPoint(id);
    }
}

void CShipStatusScreen::OnKeyDown(int key)
{
    // Whoever opened the page, these keys fly on.
    if (key == kKeyT || key == kKeyEscape)
        Leave(gFlightScreen);
}

void CShipStatusScreen::Leave(CScreen* screen)
{
    mEntered = 0;
    PlaceCameraOverShip();
    ReturnTo(screen);
}
