// The store screen: its controls, the page built from the player's state, and its buttons.
#include "screens/store_screen.h"

#include <cstdio>
#include <exception>

#include "core/camera.h"
#include "core/frame_clock.h"
#include "core/graphics_globals.h"
#include "core/keys.h"
#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "screens/screen_return.h"
#include "screens/station_screen.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/weapon_records.h"
#include "ui/drag_button.h"
#include "ui/mouse_over_button.h"
#include "ui/object_control.h"
#include "ui/snap_control.h"
#include "ui/sprite_control.h"
#include "ui/text_control.h"
#include "world/floating_object.h"

namespace {

constexpr int kBackdropWidth = 800;
constexpr uint32_t kPlain = 0xFFFFFFFFu;

}  // namespace

CStoreScreen::CStoreScreen()
{
    mScreenId = kScreenId;
}

CStoreScreen::~CStoreScreen()
{
    DeleteOffers();
}

void CStoreScreen::Enter()
{
    try {
        DeleteControls();
        SetUpCamera();
        LoadTextControls();
        LoadButtons();
        LoadSpriteControls();
        LoadMouseOverButtons();
        LoadDragButtons();
        LoadSnapControls();
        LoadObjectControls();
        RequireWayOut(*this, kBackButton);
        mPanelShown = false;
        mCovered.clear();
        ShowCredits();
        mEntered = 1;
        Restock();
        Reseat();
        ShowHullMesh();
        mBackdrop = kBackdrop;
    } catch (const std::exception&) {
        gCurrentScreen = gStationScreen;
    }
}

void CStoreScreen::SetUpCamera()
{
    gCamera.Reset();
    gCamera.SetEye(0.0f, 0.0f, -20.0f);
    gCamera.SetTarget(0.0f, 0.0f, 0.0f);
    gCamera.Apply();
}

int CStoreScreen::Frame()
{
    if (!mEntered)
        Enter();
    // Flight moves the camera between two visits; the item's mesh needs this one.
    SetUpCamera();
    if (mRebuildPending) {
        Rebuild();
        mRebuildPending = 0;
    }
    if (gPlayerShip) {
        const CEngine* engine = gPlayerShip->mEngine;
        if (CMouseOverButton* refuel = GetMouseOverButton(kRefuelButton); refuel && refuel->visible)
            refuel->colour = engine && engine->mFuel < engine->mMaxFuel / 2 ? RedPulse(gPulse) : kPlain;
        for (size_t i = 0; i < mRefills.size(); ++i) {
            if (CMouseOverButton* refill = GetMouseOverButton(kFirstRefillButton + static_cast<int>(i)))
                refill->colour = gPlayerShip->GetAmmo(mRefills[i]->mDeviceId) < 1 ? RedPulse(gPulse) : kPlain;
        }
    }
    gResourceManager->DrawScreenSprite(mBackdrop, kBackdropWidth);
    DrawControls();
    DrawObjectControls();
    return 0;
}

void CStoreScreen::ShowItemMesh(int meshId)
{
    if (CObjectControl* item = GetObjectControl(kItemObject)) {
        item->meshId = meshId;
        item->meshRecord.meshId = meshId;
    }
}

void CStoreScreen::ShowHullMesh()
{
    if (gPlayerShip)
        ShowItemMesh(gPlayerShip->GetMeshId());
}

void CStoreScreen::ShowCredits()
{
    CTextControl* credits = GetTextControl(kCreditsText);
    if (!credits || !gPlayerShip)
        return;
    char text[32];
    std::snprintf(text, sizeof text, "$%d", gPlayerShip->mCredits);
    credits->SetText(text);
}

void CStoreScreen::Show(int id, bool shown)
{
    const uint8_t visible = shown ? 1 : 0;
    if (CMouseOverButton* button = GetMouseOverButton(id))
        button->visible = visible;
    else if (CSpriteControl* sprite = GetSpriteControl(id))
        sprite->visible = visible;
    else if (CTextControl* text = GetTextControl(id))
        text->visible = visible;
}

void CStoreScreen::Seat(int dragId, int snapId, bool used, int spriteId)
{
    CDragButton* drag = GetDragButton(dragId);
    CSnapControl* snap = GetSnapControl(snapId);
    if (!drag || !snap)
        return;
    if (!used) {
        drag->visible = 0;
        snap->Unbind();
        return;
    }
    if (spriteId)
        drag->SetSprite(spriteId);
    snap->Attach(drag);
    drag->visible = 1;
}

int DeviceIconSprite(int deviceType)
{
    switch (deviceType) {
    case kDeviceShield:
        return 20001;
    case kDeviceArmor:
        return 20002;
    case kDeviceEngine:
        return 20004;
    case kDeviceQuest:
        return 20009;
    default:
        return 20003;
    }
}

void CStoreScreen::Reseat()
{
    // Every slot first forgets its button, so a drop that moved one leaves no stale binding.
    for (auto& [id, snap] : mSnapControls)
        snap->Unbind();
    const CPlayerShip* ship = gPlayerShip;
    for (int i = 0; i < kPlayerListSize; ++i) {
        const bool carried = ship && i < ship->mCarriedCount;
        Seat(kFirstCargoDrag + i, kFirstCargoSnap + i, carried,
             carried ? DeviceIconSprite(ship->mCarried[i]->mDeviceType) : 0);
        const bool weapon = ship && i < ship->mWeaponCount;
        Seat(kFirstWeaponDrag + i, kFirstWeaponSnap + i, weapon, DeviceIconSprite(kDeviceWeapon));
    }
    Seat(kShieldDrag, kShieldSnap, ship && ship->mShield, DeviceIconSprite(kDeviceShield));
    Seat(kArmorDrag, kArmorSnap, ship && ship->mArmor, DeviceIconSprite(kDeviceArmor));
    Seat(kEngineDrag, kEngineSnap, ship && ship->mEngine, DeviceIconSprite(kDeviceEngine));
    for (int kind = 0; kind < kOfferKindCount; ++kind) {
        const OfferPlaces& places = kOfferPlaces[kind];
        for (int k = 0; k < places.capacity; ++k)
            Seat(places.firstDrag + k, places.firstSnap + k, k < static_cast<int>(mOffers[kind].size()),
                 DeviceIconSprite(places.deviceType));
    }
    if (mPanelShown)
        HideCovered();
}

void CStoreScreen::Rebuild()
{
    ShowCredits();
    Reseat();
    RebuildRefills();
    const CPlayerShip* ship = gPlayerShip;
    const bool refuel = ship && ship->mEngine && ship->mEngine->mMaxFuel > ship->mEngine->mFuel;
    Show(kRefuelButton, refuel);
    Show(kRefuelPlaceholder, !refuel);
    for (int i = 0; i < kSellableCompoundClasses; ++i) {
        const bool tons = ship && ship->mCompounds[i] > 0;
        Show(kFirstCompoundButton + i, tons);
        Show(kFirstCompoundPlaceholder + i, !tons);
    }
    if (mPanelShown)
        HideCovered();
}

void CStoreScreen::RebuildRefills()
{
    mRefills.clear();
    if (const CPlayerShip* ship = gPlayerShip) {
        auto isShort = [ship](const CWeaponInfo* weapon) {
            return weapon && weapon->mMaxAmmo > 0 && ship->GetAmmo(weapon->mDeviceId) < weapon->mMaxAmmo;
        };
        for (int i = 0; i < ship->mWeaponCount; ++i) {
            if (isShort(ship->mWeapons[i]))
                mRefills.push_back(ship->mWeapons[i]);
        }
        for (int i = 0; i < ship->mCarriedCount && static_cast<int>(mRefills.size()) < kRefillCount; ++i) {
            auto* weapon = dynamic_cast<CWeaponInfo*>(ship->mCarried[i]);
            if (ship->mCarried[i]->mDeviceType == kDeviceWeapon && isShort(weapon))
                mRefills.push_back(weapon);
        }
    }
    for (int i = 0; i < kRefillCount; ++i) {
        const bool used = i < static_cast<int>(mRefills.size());
        Show(kFirstRefillButton + i, used);
        Show(kFirstRefillPlaceholder + i, !used);
    }
}

void CStoreScreen::OnMouseDown(int, int x, int y)
{
    OnMouseDownControls(x, y);
    for (int id : {kNoCreditsSprite, kEngineNotSoldSprite, kMissionNotSoldSprite})
        Show(id, false);
}

void CStoreScreen::ShowNotice(int spriteId)
{
    Show(spriteId, true);
}

void CStoreScreen::OnMouseUp(int, int x, int y)
{
    const int id = OnMouseUpControls(x, y);
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    if (id == kBackButton) {
        Leave();
    } else if (id == kRefuelButton) {
        Refuel(*ship);
    } else if (id >= kFirstCompoundButton && id < kFirstCompoundButton + kSellableCompoundClasses) {
        SellCompounds(*ship, id - kFirstCompoundButton + 1);
    } else if (id >= kFirstRefillButton && id < kFirstRefillButton + kRefillCount) {
        if (id - kFirstRefillButton >= static_cast<int>(mRefills.size()))
            return;
        Refill(*ship, id - kFirstRefillButton);
    }
    // The credits and every drag button follow what the release did.
    Rebuild();
}

void CStoreScreen::Refuel(CPlayerShip& ship)
{
    if (!ship.mEngine)
        return;
    ship.AddCredits(static_cast<double>(ship.mEngine->mFuel) - ship.mEngine->mMaxFuel);
    ship.mEngine->mFuel = ship.mEngine->mMaxFuel;
    PlayUiSound();
    ClearPanel();
}

void CStoreScreen::SellCompounds(CPlayerShip& ship, int compoundClass)
{
    ship.AddCredits(ship.GetCompoundClassSale(compoundClass));
    ship.mCompounds[compoundClass - 1] = 0;
    ClearPanel();
    PlayUiSound();
}

void CStoreScreen::Refill(CPlayerShip& ship, int entry)
{
    const CWeaponInfo& weapon = *mRefills[entry];
    const int price =
        AmmoRefillPrice(ship.GetAmmo(weapon.mDeviceId), weapon.mMaxAmmo, weapon.mCreditValue, ship.SellFactor());
    if (ship.mCredits < price) {
        ShowNotice(kNoCreditsSprite);
    } else {
        ship.AddCredits(-price);
        ship.mAmmo[weapon.mDeviceId] = weapon.mMaxAmmo;
        PlayUiSound();
    }
    RebuildRefills();
    ClearPanel();
}

void CStoreScreen::OnKeyDown(int key)
{
    if (key == kKeyEscape)
        Leave();
}

void CStoreScreen::Leave()
{
    gCurrentScreen = gStationScreen;
    mRebuildPending = 1;
}
