// The in-flight screen's options panel: the settings held by its controls, applied at once and
// written to the settings row after every change. The same panel carries quit, main menu and
// respawn.
#include "core/graphics_globals.h"
#include "core/sound_globals.h"
#include "db/game_database.h"
#include "engine/resource_manager.h"
#include "screens/flight_screen.h"
#include "ships/player_ship.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/slider.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"

namespace {
constexpr uint32_t kPanelColour = 0x99FFFFFFu;
constexpr int kVolumeSampleSound = 4;
constexpr float kAutoBrakingRate = 3.0f;
constexpr int kPanelButtons[] = {CFlightScreen::kQuitButton, CFlightScreen::kMainMenuButton,
                                 CFlightScreen::kCloseOptionsButton, CFlightScreen::kRespawnButton};
constexpr int kPanelSliders[] = {CFlightScreen::kBrightnessSlider, CFlightScreen::kVolumeSlider};
constexpr int kPanelBoxes[] = {CFlightScreen::kSoundBox,       CFlightScreen::kAutoBrakeBox,
                               CFlightScreen::kWireFrameBox,   CFlightScreen::kFrameCounterBox,
                               CFlightScreen::kCoordinatesBox, CFlightScreen::kVelocityBox};

bool Checked(const CCheckBox* box)
{
    return box && box->checked;
}

void SetChecked(CCheckBox* box, bool checked)
{
    if (box)
        box->checked = checked ? 1 : 0;
}

void ShowText(CTextControl* text, bool shown)
{
    if (text)
        text->visible = shown ? 1 : 0;
}
}  // namespace

int CFlightScreen::GetBrightness() const
{
    const CSlider* slider = GetSlider(kBrightnessSlider);
    return slider ? slider->GetValue() : 0;
}

void CFlightScreen::SetBrightness(int value)
{
    // The grey follows the slider, which keeps a stored value within its meter.
    if (CSlider* slider = GetSlider(kBrightnessSlider)) {
        slider->SetValue(value);
        value = slider->GetValue();
    }
    const uint32_t grey = static_cast<uint32_t>(static_cast<int>(value * 2.5)) & 0xFFu;
    gDevice->SetRenderState(gfx::kRsAmbient, 0xFF000000u | grey << 16 | grey << 8 | grey);
}

int CFlightScreen::GetVolume() const
{
    const CSlider* slider = GetSlider(kVolumeSlider);
    return slider ? slider->GetValue() : gSoundVolume;
}

void CFlightScreen::SetVolume(int value)
{
    gSoundVolume = value;
    if (CSlider* slider = GetSlider(kVolumeSlider))
        slider->SetValue(value);
}

bool CFlightScreen::IsSoundOn() const
{
    return Checked(GetCheckBox(kSoundBox));
}

void CFlightScreen::SetSoundOn(bool on)
{
    SetChecked(GetCheckBox(kSoundBox), on);
    gSoundOff = on ? 0 : 1;
}

bool CFlightScreen::IsWireframeOn() const
{
    return Checked(GetCheckBox(kWireFrameBox));
}

void CFlightScreen::SetWireframe(bool on)
{
    SetChecked(GetCheckBox(kWireFrameBox), on);
    gWireFrame = on ? 1 : 0;
}

bool CFlightScreen::AreCoordinatesShown() const
{
    return Checked(GetCheckBox(kCoordinatesBox));
}

void CFlightScreen::ShowCoordinates(bool shown)
{
    SetChecked(GetCheckBox(kCoordinatesBox), shown);
    ShowText(GetTextControl(kXText), shown);
    ShowText(GetTextControl(kYText), shown);
}

bool CFlightScreen::IsFrameCounterShown() const
{
    return Checked(GetCheckBox(kFrameCounterBox));
}

void CFlightScreen::ShowFrameCounter(bool shown)
{
    SetChecked(GetCheckBox(kFrameCounterBox), shown);
    ShowText(GetTextControl(kFramesText), shown);
}

bool CFlightScreen::IsVelocityShown() const
{
    return Checked(GetCheckBox(kVelocityBox));
}

void CFlightScreen::ShowVelocity(bool shown)
{
    SetChecked(GetCheckBox(kVelocityBox), shown);
    ShowText(GetTextControl(kVelocityText), shown);
}

bool CFlightScreen::IsGlowOn() const
{
    return Checked(GetCheckBox(kGlowBox));
}

void CFlightScreen::SetGlow(bool on)
{
    if (!gShadersSupported)
        return;
    SetChecked(GetCheckBox(kGlowBox), on);
    gGlowEnabled = on ? 1 : 0;
}

bool CFlightScreen::IsAutoBrakeOn() const
{
    return Checked(GetCheckBox(kAutoBrakeBox));
}

void CFlightScreen::SetAutoBrake(bool on)
{
    SetChecked(GetCheckBox(kAutoBrakeBox), on);
    if (gPlayerShip)
        gPlayerShip->mBrakingRate = on ? kAutoBrakingRate : 0.0f;
}

bool CFlightScreen::IsOptionsPanelShown() const
{
    const CSpriteControl* panel = GetSpriteControl(kOptionsPanel);
    return panel && panel->visible;
}

void CFlightScreen::ShowOptionControls(bool shown)
{
    const uint8_t visible = shown ? 1 : 0;
    for (int id : kPanelButtons) {
        if (CButton* button = GetButton(id)) {
            button->visible = visible;
            if (id != kMainMenuButton)
                button->colour = kPanelColour;
        }
    }
    for (int id : kPanelSliders) {
        if (CSlider* slider = GetSlider(id))
            slider->visible = visible;
    }
    for (int id : kPanelBoxes) {
        if (CCheckBox* box = GetCheckBox(id))
            box->visible = visible;
    }
    if (CCheckBox* glow = GetCheckBox(kGlowBox)) {
        glow->visible = gShadersSupported ? visible : 0;
        if (!gShadersSupported) {
            glow->checked = 0;
            gGlowEnabled = 0;
        }
    }
}

void CFlightScreen::ToggleOptionsPanel(bool byEscape)
{
    CloseHail();
    CSpriteControl* panel = GetSpriteControl(kOptionsPanel);
    if (!panel)
        return;
    panel->visible = panel->visible ? 0 : 1;
    panel->colour = kPanelColour;
    ShowOptionControls(panel->visible != 0);
    // A button held as the panel opens fires no more behind it.
    if (panel->visible)
        ReleaseMouseButtons();
    CTextControl* center = GetTextControl(kCenterMessage);
    if (byEscape) {
        if (center)
            center->visible = panel->visible ? 0 : 1;
        if (CButton* mainMenu = GetButton(kMainMenuButton))
            mainMenu->colour = kPanelColour;
        return;
    }
    if (center)
        center->visible = 0;
    if (CSpriteControl* notice = GetSpriteControl(kDeathNotice))
        notice->visible = 0;
}

void CFlightScreen::OnOptionPressed(int control)
{
    switch (control) {
    case kSoundBox:
        gSoundOff = IsSoundOn() ? 0 : 1;
        break;
    case kAutoBrakeBox:
        SetAutoBrake(IsAutoBrakeOn());
        break;
    case kWireFrameBox:
        gWireFrame = IsWireframeOn() ? 1 : 0;
        break;
    case kFrameCounterBox:
        ShowFrameCounter(IsFrameCounterShown());
        break;
    case kCoordinatesBox:
        ShowCoordinates(AreCoordinatesShown());
        break;
    case kVelocityBox:
        ShowVelocity(IsVelocityShown());
        break;
    case kGlowBox:
        gGlowEnabled = IsGlowOn() && gShadersSupported ? 1 : 0;
        break;
    case kBrightnessSlider:
        SetBrightness(GetBrightness());
        break;
    case kVolumeSlider:
        gSoundVolume = GetVolume();
        gResourceManager->PlaySound(kVolumeSampleSound);
        break;
    default:
        return;
    }
    SaveSettings();
}

void CFlightScreen::SaveSettings() const
{
    SettingsRecord settings{};
    settings.brightness = GetBrightness();
    settings.volume = GetVolume();
    settings.sound_on = IsSoundOn();
    settings.wire_frame = IsWireframeOn();
    settings.display_xy = AreCoordinatesShown();
    settings.display_fps = IsFrameCounterShown();
    settings.display_velocity = IsVelocityShown();
    settings.high_quality_glow = IsGlowOn();
    settings.auto_decelerate = IsAutoBrakeOn();
    gGameDatabase.SaveSettings(settings);
}

void CFlightScreen::LoadSettings()
{
    if (const SettingsRecord* settings = gGameDatabase.LoadSettings()) {
        SetBrightness(settings->brightness);
        SetVolume(settings->volume);
        SetSoundOn(settings->sound_on);
        SetWireframe(settings->wire_frame);
        ShowCoordinates(settings->display_xy);
        ShowFrameCounter(settings->display_fps);
        ShowVelocity(settings->display_velocity);
        SetGlow(settings->high_quality_glow);
        SetAutoBrake(settings->auto_decelerate);
    }
    if (!gShadersSupported) {
        SetChecked(GetCheckBox(kGlowBox), false);
        gGlowEnabled = 0;
    }
}
