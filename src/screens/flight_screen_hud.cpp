// The in-flight screen's heads-up display: the meters, the texts, the weapon label, the target
// panel and the death panel.
#include "screens/flight_screen.h"

#include <algorithm>
#include <cstdio>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "ui/button.h"
#include "ui/cursor.h"
#include "ui/object_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/planet.h"
#include "world/world_object.h"

namespace {
constexpr uint32_t kDimColour = 0x99FFFFFFu;
constexpr int kSpriteObjectMesh = 22;
constexpr float kRightAngle = 1.5708f;
constexpr float kTargetSpin = 0.01f;

uint32_t PulseColour()
{
    return 0xFFFF0000u + static_cast<uint32_t>(gPulse) * 0x0101u;
}

// Sets the fill fraction and visibility of a meter; a meter that fails its condition is hidden.
void SetMeter(CSpriteControl* meter, bool shown, float fraction, bool capped = true)
{
    if (!meter)
        return;
    meter->visible = shown ? 1 : 0;
    if (shown)
        meter->xScale = capped ? std::min(fraction, 1.0f) : fraction;
}

void SetDefenseMeter(CSpriteControl* meter, const CDefenseDevice* device)
{
    const bool shown = device && device->mPoints >= 1 && device->mMaxPoints >= 1;
    SetMeter(meter, shown, shown ? static_cast<float>(device->mPoints) / device->mMaxPoints : 0.0f);
}
}  // namespace

void CFlightScreen::ShowDeathPanel()
{
    CloseHail();
    CSpriteControl* panel = GetSpriteControl(kOptionsPanel);
    if (panel) {
        panel->colour = PulseColour();
        if (!panel->visible)
            mClickGuard = 1;
    }
    if (CTextControl* center = GetTextControl(kCenterMessage)) {
        center->SetText("");
        center->visible = 0;
    }
    if (CSpriteControl* notice = GetSpriteControl(kDeathNotice)) {
        notice->colour = PulseColour();
        notice->visible = 1;
    }
    if (panel)
        panel->visible = 1;
    if (CButton* respawn = GetButton(kRespawnButton)) {
        respawn->colour = PulseColour();
        respawn->visible = panel ? panel->visible : 1;
    }
}

void CFlightScreen::ShowWeaponLabel()
{
    CTextControl* label = GetTextControl(kWeaponLabel);
    if (!label)
        return;
    char text[CTextControl::kMaxText + 1] = {};
    if (gPlayerShip)
        gPlayerShip->FormatWeaponLabel(text, sizeof text);
    label->SetText(text);
}

void CFlightScreen::ShowSelectedWeaponName()
{
    CTextControl* label = GetTextControl(kWeaponLabel);
    CWeaponInfo* weapon = gPlayerShip ? gPlayerShip->SelectedWeapon() : nullptr;
    if (!label || !weapon)
        return;
    char text[CTextControl::kMaxText + 1] = {};
    std::snprintf(text, sizeof text, "Weapon: %s", weapon->mName);
    label->SetText(text);
}

void CFlightScreen::UpdateMeters()
{
    CPlayerShip* ship = gPlayerShip;
    SetDefenseMeter(GetSpriteControl(kShieldMeter), ship ? ship->mShield : nullptr);
    SetDefenseMeter(GetSpriteControl(kArmorMeter), ship ? ship->mArmor : nullptr);
    const bool hull = ship && ship->mHitPoints >= 1 && ship->mMaxHitPoints >= 1;
    SetMeter(GetSpriteControl(kHullMeter), hull, hull ? static_cast<float>(ship->mHitPoints) / ship->mMaxHitPoints : 0);
    const CEngine* engine = ship ? ship->mEngine : nullptr;
    const bool energy = engine && engine->mEnergy >= 1 && engine->mMaxEnergy != 0;
    SetMeter(GetSpriteControl(kEnergyMeter), energy,
             energy ? static_cast<float>(engine->mEnergy) / engine->mMaxEnergy : 0.0f);
    const bool fuel = engine && engine->mFuel >= 1 && engine->mMaxFuel >= 1;
    SetMeter(GetSpriteControl(kFuelMeter), fuel, fuel ? static_cast<float>(engine->mFuel) / engine->mMaxFuel : 0.0f);
    const bool cargo = ship && ship->mCargoCapacity >= 1;
    SetMeter(GetSpriteControl(kCargoMeter), cargo,
             cargo ? static_cast<float>(ship->CargoTons()) / ship->mCargoCapacity : 0.0f);
    CWorldObject* target = ship ? ship->mTarget : nullptr;
    CSpriteControl* targetMeter = GetSpriteControl(kTargetMeter);
    if (targetMeter && target && target->GetMaxHitPoints() != 0)
        SetMeter(targetMeter, targetMeter->visible,
                 static_cast<float>(target->GetHitPoints()) / target->GetMaxHitPoints(), false);
}

void CFlightScreen::UpdateTexts()
{
    char text[CTextControl::kMaxText + 1] = {};
    float x = 0.0f;
    float y = 0.0f;
    gCursor.PickRay(&x, &y, 30.0f);
    if (CTextControl* control = GetTextControl(kXText)) {
        std::snprintf(text, sizeof text, "X: %.1f", x);
        control->SetText(text);
    }
    if (CTextControl* control = GetTextControl(kYText)) {
        std::snprintf(text, sizeof text, "Y: %.1f", y);
        control->SetText(text);
    }
    if (CTextControl* control = GetTextControl(kFramesText)) {
        std::snprintf(text, sizeof text, "Frames: %d", static_cast<int>(gFramesPerSecond));
        control->SetText(text);
    }
    if (CTextControl* control = GetTextControl(kVelocityText)) {
        std::snprintf(text, sizeof text, "Velocity: %.1f", gPlayerShip ? gPlayerShip->mMoveSpeed : 0.0f);
        control->SetText(text);
    }
    if (CTextControl* control = GetTextControl(kSystemName))
        control->SetText(gResourceManager->mSystemName);
}

void CFlightScreen::UpdateHud()
{
    if (CButton* crew = GetButton(kShipAndCrewButton); crew && crew->colour != kDimColour)
        crew->colour = gPlayerShip && gPlayerShip->mLevelUps > 0 ? PulseColour() : kDimColour;
    ShowWeaponLabel();
    UpdateMeters();
    UpdateTexts();
    ShowMessageLog();
}

void CFlightScreen::PlaceTargetView()
{
    CObjectControl* view = GetObjectControl(kTargetView);
    if (view && view->visible)
        view->position = Vec3(gCamera.GetEyeX() - 18.3f, gCamera.GetEyeY() + 13.0f, gCamera.GetEyeZ() + 40.0f);
}

void CFlightScreen::ClearTargetPanel()
{
    if (CTextControl* name = GetTextControl(kTargetName))
        name->SetText("");
    for (int id : {kTargetMeter, kTargetPanel, kTargetFrame}) {
        if (CSpriteControl* sprite = GetSpriteControl(id))
            sprite->visible = 0;
    }
    if (CObjectControl* view = GetObjectControl(kTargetView))
        view->visible = 0;
}

void CFlightScreen::SetTarget(CWorldObject* object)
{
    if (gPlayerShip)
        gPlayerShip->mTarget = object;
    ShowTarget(object, false);
}

void CFlightScreen::ShowTarget(CWorldObject* object, bool spin)
{
    if (!object) {
        ClearTargetPanel();
        return;
    }
    const int meshId = object->GetMeshId();
    CObjectControl* view = GetObjectControl(kTargetView);
    if (meshId == 0 || !view) {
        ClearTargetPanel();
        return;
    }
    if (CTextControl* text = GetTextControl(kTargetName))
        text->SetText(object->mName);
    if (CSpriteControl* meter = GetSpriteControl(kTargetMeter)) {
        meter->visible = 1;
        if (object->GetMaxHitPoints() != 0)
            meter->xScale = static_cast<float>(object->GetHitPoints()) / object->GetMaxHitPoints();
    }
    if (CSpriteControl* panel = GetSpriteControl(kTargetPanel))
        panel->visible = 1;
    view->meshRecord.meshId = meshId >= 1 ? meshId : kSpriteObjectMesh;
    view->meshId = view->meshRecord.meshId;
    view->position = Vec3(gCamera.GetEyeX() - 18.3f, gCamera.GetEyeY() + 13.0f, gCamera.GetEyeZ() + 40.0f);
    view->visible = 1;
    if (meshId >= 1) {
        const auto* planet = object->mType == kTypePlanet ? static_cast<CPlanetObject*>(object) : nullptr;
        view->meshRecord.textureSpriteId = planet ? planet->mMesh.textureSpriteId : 0;
        if (spin) {
            view->rotation.y += kTargetSpin;
            if (view->rotation.x != kRightAngle)
                view->rotation = Vec3(kRightAngle, 0.0f, 0.0f);
            if (object->mType == kTypeHealth)
                view->rotation = Vec3();
        }
    } else {
        view->meshRecord.textureSpriteId = -meshId;
        if (spin) {
            if (view->rotation.x != 0.0f || view->rotation.y != 0.0f)
                view->rotation = Vec3();
            view->rotation.z += kTargetSpin;
        }
    }
    if (CSpriteControl* frame = GetSpriteControl(kTargetFrame))
        frame->visible = 1;
}
