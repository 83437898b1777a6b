// The ship-and-crew page's device slots: seating the drag buttons, the hovered device's mesh,
// and what a drop does: equip, unequip into the hold, or jettison into space.
#include "screens/crew_screen.h"

#include "db/game_enums.h"
#include "engine/resource_manager.h"
#include "ships/armor.h"
#include "ships/engine.h"
#include "ships/player_ship.h"
#include "ships/shield.h"
#include "ships/weapon_records.h"
#include "ui/drag_button.h"
#include "ui/object_control.h"
#include "ui/snap_control.h"

int gJettisonRing = 0;

namespace {

constexpr int kJettisonSound = 11;
constexpr int kRingPlaces = 8;
// Offsets of the ring's places in ship sizes, counter-clockwise from the upper right.
constexpr float kRing[kRingPlaces][2] = {{1.0f, 1.0f},   {0.0f, 1.5f},  {-1.0f, 1.0f}, {-1.5f, 0.0f},
                                         {-1.0f, -1.0f}, {0.0f, -1.5f}, {1.0f, -1.0f}, {1.5f, 0.0f}};

int DragSpriteOf(int deviceType)
{
    switch (deviceType) {
    case kDeviceWeapon:
        return 20003;
    case kDeviceShield:
        return 20001;
    case kDeviceArmor:
        return 20002;
    case kDeviceEngine:
        return 20004;
    default:
        return 20009;
    }
}

bool InRange(int id, int first, int count)
{
    return id >= first && id < first + count;
}

bool IsJettisonSnap(int id)
{
    return id >= CShipStatusScreen::kFirstJettisonSnap && id <= CShipStatusScreen::kLastJettisonSnap;
}

void PlayJettisonSound()
{
    gSoundRequest = SoundRequest{kJettisonSound, &gZeroVector};
    gResourceManager->PlaySoundAt(gSoundRequest);
}

}  // namespace

void JettisonDevice(int deviceId)
{
    const CPlayerShip& ship = *gPlayerShip;
    const float size = ship.mSize;
    const float* place = kRing[gJettisonRing];
    gResourceManager->SpawnDeviceObject(deviceId, ship.mPosition.x + place[0] * size,
                                        ship.mPosition.y + place[1] * size, ship.mPosition.z);
    gJettisonRing = (gJettisonRing + 1) % kRingPlaces;
}

CDeviceInfo* CShipStatusScreen::DeviceOfHover(int id) const
{
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return nullptr;
    if (InRange(id, kFirstWeaponHover, ship->mWeaponCount))
        return ship->mWeapons[id - kFirstWeaponHover];
    if (InRange(id, kFirstCargoHover, ship->mCarriedCount))
        return ship->mCarried[id - kFirstCargoHover];
    if (id == kShieldHover)
        return ship->mShield;
    if (id == kArmorHover)
        return ship->mArmor;
    if (id == kEngineHover)
        return ship->mEngine;
    return nullptr;
}

void CShipStatusScreen::ShowDeviceMesh(const CDeviceInfo* device)
{
    CObjectControl* view = GetObjectControl(kShipView);
    if (!view)
        return;
    view->meshId = device ? device->mDisplayMeshId : gPlayerShip ? gPlayerShip->mHullMeshId : 0;
    view->meshRecord.meshId = view->meshId;
}

void CShipStatusScreen::Seat(int dragId, int snapId, const CDeviceInfo* device)
{
    CDragButton* button = GetDragButton(dragId);
    CSnapControl* snap = GetSnapControl(snapId);
    if (!button || !snap)
        return;
    snap->Unbind();
    button->dragging = 0;
    button->visible = device ? 1 : 0;
    if (!device)
        return;
    button->SetSprite(DragSpriteOf(device->mDeviceType));
    snap->Attach(button);
}

void CShipStatusScreen::SeatDevices()
{
    const CPlayerShip* ship = gPlayerShip;
    for (int i = 0; i < kSlots; ++i) {
        Seat(kFirstWeaponDrag + i, kFirstWeaponSnap + i, ship && i < ship->mWeaponCount ? ship->mWeapons[i] : nullptr);
        Seat(kFirstCargoDrag + i, kFirstCargoSnap + i, ship && i < ship->mCarriedCount ? ship->mCarried[i] : nullptr);
    }
    Seat(kShieldDrag, kShieldSnap, ship ? ship->mShield : nullptr);
    Seat(kArmorDrag, kArmorSnap, ship ? ship->mArmor : nullptr);
    Seat(kEngineDrag, kEngineSnap, ship ? ship->mEngine : nullptr);
    for (int id = kFirstJettisonSnap; id <= kLastJettisonSnap; ++id) {
        if (CSnapControl* snap = GetSnapControl(id))
            snap->Unbind();
    }
}

void CShipStatusScreen::OnDrop(int dragId, int snapId)
{
    CPlayerShip* ship = gPlayerShip;
    if (!ship)
        return;
    const bool toCargo = InRange(snapId, kFirstCargoSnap, kSlots);
    const bool toJettison = IsJettisonSnap(snapId);
    if (toJettison) {
        DropOnJettison(dragId);
    } else if (InRange(dragId, kFirstWeaponDrag, kSlots)) {
        if (toCargo)
            ship->UnequipToCargo(dragId - kFirstWeaponDrag);
    } else if (InRange(dragId, kFirstCargoDrag, kSlots)) {
        if (!toCargo)
            ship->EquipCarriedDevice(dragId - kFirstCargoDrag);
    } else if (toCargo && dragId == kShieldDrag) {
        ship->UnequipShield();
    } else if (toCargo && dragId == kArmorDrag) {
        ship->UnequipArmor();
    } else if (toCargo && dragId == kEngineDrag) {
        ship->UnequipEngine();
    }
    ship->SelectWeaponSlot(0);
    SeatDevices();
    ShowStats();
}

void CShipStatusScreen::DropOnJettison(int dragId)
{
    CPlayerShip& ship = *gPlayerShip;
    if (InRange(dragId, kFirstWeaponDrag, ship.mWeaponCount)) {
        const int slot = dragId - kFirstWeaponDrag;
        JettisonDevice(ship.mWeapons[slot]->mDeviceId);
        ship.RemoveWeapon(slot);
    } else if (InRange(dragId, kFirstCargoDrag, ship.mCarriedCount)) {
        const int slot = dragId - kFirstCargoDrag;
        const int type = ship.mCarried[slot]->mDeviceType;
        // The ship keeps a way to fly, and mission devices stay for their mission.
        if ((type == kDeviceEngine && !ship.mEngine) || type == kDeviceQuest)
            return;
        JettisonDevice(ship.mCarried[slot]->mDeviceId);
        ship.RemoveCarriedDevice(slot);
    } else if (dragId == kArmorDrag && ship.mArmor) {
        JettisonDevice(ship.mArmor->mDeviceId);
        delete ship.mArmor;
        ship.mArmor = nullptr;
    } else if (dragId == kShieldDrag && ship.mShield) {
        JettisonDevice(ship.mShield->mDeviceId);
        delete ship.mShield;
        ship.mShield = nullptr;
    } else {
        // The installed engine stays where it is.
        return;
    }
    PlayJettisonSound();
}
